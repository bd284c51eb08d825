#include "jtag/DeviceControl.h"

#include "jtag/BinaryText.h"

namespace jtag {

namespace {

constexpr std::uint32_t kResetWord = 0xE0000000u;
constexpr int kIdleClocks = 13;
constexpr std::int32_t kDoneBit = 1 << 5;

// Runs `body` between Open and Close; Close runs on the failure path too.
template <class F>
auto InOpenChannel(const TJTagChannel& channel, F&& body) {
  channel.Open();
  try {
    if constexpr (std::is_void_v<decltype(body())>) {
      body();
      channel.Close();
    } else {
      auto result = body();
      channel.Close();
      return result;
    }
  } catch (...) {
    try {
      channel.Close();
    } catch (...) {
    }
    throw;
  }
}

}  // namespace

void SendLeadIn(const TJTagChannel& channel, std::int32_t index) { channel.ShiftBits(0, 32 - index, false); }

TDeviceState ReadDeviceState(const TChainAccess& chain) {
  const std::int32_t captured =
      InOpenChannel(chain.Channel, [&] { return chain.Channel.ScanInstruction(kInstruction_BYPASS, chain.Index); });
  return (captured & kDoneBit) != 0 ? eDeviceState_Configured : eDeviceState_NotConfigured;
}

std::uint32_t ReadUserCode(const TChainAccess& chain) {
  return InOpenChannel(chain.Channel, [&] {
    chain.Channel.GotoState(eTap_RunTestIdle);
    chain.Channel.SetInstruction(kInstruction_USERCODE, chain.Index);
    return static_cast<std::uint32_t>(chain.Channel.ScanData(0, 32, chain.Index));
  });
}

void SendResetSequence(const TChainAccess& chain, const TConfigurationInstructions& codes) {
  const TJTagChannel& channel = chain.Channel;
  InOpenChannel(channel, [&] {
    channel.SetInstruction(codes.CfgIn, chain.Index);
    channel.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
    SendLeadIn(channel, chain.Index);
    channel.ShiftBits(0, 32, false);
    channel.ShiftBits(0, 32, false);
    // The last character enters first, so the word enters most significant bit first.
    channel.ShiftBitString(ReverseText(IntToBinaryText32(kResetWord)), false);
    channel.ClockTMS(1);
    channel.MoveState(eTap_Exit1DR, eTap_RunTestIdle);
    channel.SetInstruction(kInstruction_JPROGRAM, chain.Index);
    channel.SetInstruction(codes.JShutdown, chain.Index);
    for (int i = 0; i < kIdleClocks; ++i) channel.ClockTMS(0);
    channel.GotoState(eTap_RunTestIdle);
  });
}

std::int32_t GetDeviceState(IDispatch* driver) {
  const auto chain = ChainOf(DriverQuillDevice(driver));
  if (!chain) return eDeviceState_NoChain;
  return ReadDeviceState(*chain);
}

bool ResetDevice(IDispatch* driver, const TConfigurationInstructions& codes) {
  const auto chain = ChainOf(DriverQuillDevice(driver));
  if (!chain) return false;
  SendResetSequence(*chain, codes);
  // The only test of success: the state read afterwards, through the driver as the host reads it.
  return THostObject(driver).Call<std::int32_t>(503787) == eDeviceState_NotConfigured;
}

std::uint32_t ReadUserCode(const TComPtr<IDispatch>& quillDevice) {
  const auto chain = ChainOf(quillDevice);
  if (!chain) return 0xFFFFFFFFu;
  return ReadUserCode(*chain);
}

}  // namespace jtag
