#include "devices/DevicePinSets.h"

#include <array>

extern const TPinSetParameters kPinSet_XC7A100TCS324;
extern const TPinSetParameters kPinSet_XC7A100TFG484;
extern const TPinSetParameters kPinSet_XC7A100TFG676;
extern const TPinSetParameters kPinSet_XC7A100TFT256;
extern const TPinSetParameters kPinSet_XC7A200TFB676;
extern const TPinSetParameters kPinSet_XC7A200TFF1156;
extern const TPinSetParameters kPinSet_XC7A200TFB484;
extern const TPinSetParameters kPinSet_XC7A200TSB484;

namespace {

// In TDevicePinSet order.
const std::array<const TPinSetParameters*, kPinSetCount> kPinSets{
    &kPinSet_XC7A100TCS324, &kPinSet_XC7A100TFG484,  &kPinSet_XC7A100TFG676, &kPinSet_XC7A100TFT256,
    &kPinSet_XC7A200TFB676, &kPinSet_XC7A200TFF1156, &kPinSet_XC7A200TFB484, &kPinSet_XC7A200TSB484,
};

}  // namespace

const TPinSetParameters& PinSetParameters(TDevicePinSet pinSet) { return *kPinSets.at(static_cast<std::size_t>(pinSet)); }

const TPinParameters* PinRow(TDevicePinSet pinSet, std::int32_t index) {
  const TPinSetParameters& set = PinSetParameters(pinSet);
  if (index < 0 || index >= set.PinCount) return nullptr;
  return &set.Pins[static_cast<std::size_t>(index)];
}
