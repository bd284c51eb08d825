// TPinElectrical: the electrical direction of a pin, shared by the device pins and the
// boundary-scan pins. The names are the display names the host and the viewer show.
#pragma once

#include <array>
#include <string_view>

enum TPinElectrical {
  eElectricInput,
  eElectricIO,
  eElectricOutput,
  eElectricOpenCollector,
  eElectricPassive,
  eElectricHiZ,
  eElectricOpenEmitter,
  eElectricPower,
};

inline constexpr std::array<std::string_view, 8> kPinElectricalNames{
    "Input", "I/O", "Output", "Open Collector", "Passive", "HiZ", "Open Emitter", "Power"};
