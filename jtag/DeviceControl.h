// Device control over the host's chain: the part's configuration state, its user code and the
// reset that clears its configuration. Each runs one complete channel sequence.
#pragma once

#include <cstdint>

#include "jtag/Artix7Instructions.h"
#include "jtag/ChainAccess.h"

namespace jtag {

// BYPASS scan of the instruction register: DONE (bit 5) of the captured bits tells.
TDeviceState ReadDeviceState(const TChainAccess& chain);
// The 32-bit data scan under USERCODE; the channel is closed on every path.
std::uint32_t ReadUserCode(const TChainAccess& chain);
// Sends the reset word through CFG_IN, then JPROGRAM and JSHUTDOWN with 13 idle clocks.
void SendResetSequence(const TChainAccess& chain, const TConfigurationInstructions& codes);

// The same, reached from the driver's dispatch interface as the host would call it.
std::int32_t GetDeviceState(IDispatch* driver);
bool ResetDevice(IDispatch* driver, const TConfigurationInstructions& codes = {});
std::uint32_t ReadUserCode(const TComPtr<IDispatch>& quillDevice);

// The lead-in that lines the data up on a 32-bit word at the part: 32 - Index zero bits.
void SendLeadIn(const TJTagChannel& channel, std::int32_t index);

}  // namespace jtag
