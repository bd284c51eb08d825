// quillhost pins: the package pins of one part, one line per pin, as the host reads them
// through the pin objects: ball, bank, pair, the flags by name and the number of standards.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "host/HostObject.h"
#include "host/QuillError.h"
#include "hostsim/PluginModule.h"
#include "tools/quillhost/Verbs.h"

namespace {

constexpr DISPID kGetDevicePinCount = 503409;
constexpr DISPID kGetDevicePin = 503411;
constexpr DISPID kGetPinNumber = 503525;
constexpr DISPID kGetIOBank = 503526;
constexpr DISPID kGetPinIOStandardCount = 503531;
constexpr DISPID kGetDifferentialId = 503545;

struct TFlag {
  DISPID Id;
  const char* Name;
};
// In bit order of the pin options.
constexpr TFlag kFlags[] = {
    {503527, "IO"},      {503529, "VREF"},    {503528, "CLK"},      {503530, "SPECIAL"},
    {503533, "INPUT"},   {503534, "DCI_P"},   {503535, "DCI_N"},    {503536, "DIFF_P"},
    {503537, "DIFF_N"},  {503538, "HDIFF_P"}, {503539, "HDIFF_N"},  {503540, "TX_DIFF"},
    {503541, "RX_DIFF"}, {503542, "CLK_DIFF_P"}, {503543, "CLK_DIFF_N"}, {503544, "DLL"},
};

std::string FlagsOf(const THostObject& pin) {
  std::string flags;
  for (const TFlag& flag : kFlags) {
    if (!pin.Call<bool>(flag.Id)) continue;
    if (!flags.empty()) flags += ' ';
    flags += flag.Name;
  }
  return flags;
}

void PrintPins(const THostObject& driver, bool csv) {
  const std::int32_t count = driver.Call<std::int32_t>(kGetDevicePinCount);
  if (csv) std::printf("Index,Pin,Bank,Pair,Flags,Standards\n");
  for (std::int32_t i = 0; i < count; ++i) {
    const THostObject pin(driver.Call<TComPtr<IDispatch>>(kGetDevicePin, i));
    if (!pin.Assigned()) throw EQuillError("the driver has no pin " + std::to_string(i));
    const std::string number = pin.Call<std::string>(kGetPinNumber);
    const std::string bank = pin.Call<std::string>(kGetIOBank);
    const std::string pair = pin.Call<std::string>(kGetDifferentialId);
    const std::string flags = FlagsOf(pin);
    const std::int32_t standards = pin.Call<std::int32_t>(kGetPinIOStandardCount);
    if (csv)
      std::printf("%d,%s,%s,%s,%s,%d\n", i, number.c_str(), bank.c_str(), pair.c_str(), flags.c_str(), standards);
    else
      std::printf("%4d  %-5s %-4s %-3s %2d  %s\n", i, number.c_str(), bank.c_str(), pair.c_str(), standards,
                  flags.c_str());
  }
}

TVerbRegistration registration{
    "pins", "the package pins of a part: INDEX PIN BANK PAIR STANDARDS FLAGS, one line per pin", [](CLI::App& cmd) {
      auto kind = std::make_shared<std::int32_t>(0);
      auto csv = std::make_shared<bool>(false);
      cmd.add_option("kind", *kind, "driver kind (0..46)")->required();
      cmd.add_flag("--csv", *csv, "comma-separated values with a title line (flags separated by spaces)");
      return [kind, csv] {
        const THostObject driver(Plugin().Driver(*kind));
        if (!driver.Assigned()) throw EQuillError("the plug-in has no driver of kind " + std::to_string(*kind));
        PrintPins(driver, *csv);
      };
    }};

}  // namespace
