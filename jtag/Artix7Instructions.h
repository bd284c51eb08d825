// Instruction codes of the Artix-7 part's 6-bit instruction register used by the driver.
#pragma once

#include <cstdint>

namespace jtag {

constexpr std::int32_t kInstruction_CFG_OUT = 4;
constexpr std::int32_t kInstruction_CFG_IN = 5;
constexpr std::int32_t kInstruction_USERCODE = 8;
constexpr std::int32_t kInstruction_JPROGRAM = 11;
constexpr std::int32_t kInstruction_JSTART = 12;
constexpr std::int32_t kInstruction_JSHUTDOWN = 13;
constexpr std::int32_t kInstruction_BYPASS = -1;  // all ones, whatever the length

// The codes the configuration and reset routines are given.
struct TConfigurationInstructions {
  std::int32_t CfgIn = kInstruction_CFG_IN;
  std::int32_t CfgOut = kInstruction_CFG_OUT;  // passed along, never shifted
  std::int32_t JStart = kInstruction_JSTART;
  std::int32_t JShutdown = kInstruction_JSHUTDOWN;
};

// Device states the driver reports.
enum TDeviceState : std::int32_t { eDeviceState_NoChain = 0, eDeviceState_NotConfigured = 1, eDeviceState_Configured = 2 };

}  // namespace jtag
