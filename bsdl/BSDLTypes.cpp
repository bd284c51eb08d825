#include "bsdl/BSDLTypes.h"

#include "platform/Text.h"

namespace {

template <class E, std::size_t N>
std::string_view NameIn(const std::array<std::string_view, N>& names, E value) {
  const auto index = static_cast<std::size_t>(value);
  return index < N ? names[index] : std::string_view();
}

// Index 0 of every table is the Undefined value and has no BSDL name of its own.
template <class E, std::size_t N>
E ValueIn(const std::array<std::string_view, N>& names, std::string_view name) {
  if (name.empty()) return static_cast<E>(0);
  for (std::size_t i = 1; i < N; ++i)
    if (text::EqualsNoCase(names[i], name)) return static_cast<E>(i);
  return static_cast<E>(0);
}

}  // namespace

std::string_view NameOf(TCellKind value) { return NameIn(kCellKindNames, value); }
std::string_view NameOf(TCellFunction value) { return NameIn(kCellFunctionNames, value); }
std::string_view NameOf(TBitValue value) { return NameIn(kBitValueNames, value); }
std::string_view NameOf(TDisableResult value) { return NameIn(kDisableResultNames, value); }
std::string_view NameOf(TScanPinKind value) { return NameIn(kScanPinKindNames, value); }
std::string_view NameOf(TScanClockHaltMode value) { return NameIn(kScanClockHaltModeNames, value); }
std::string_view NameOf(TPinElectrical value) { return NameIn(kPinElectricalNames, value); }

TCellKind CellKindFromName(std::string_view name) { return ValueIn<TCellKind>(kCellKindNames, name); }
TCellFunction CellFunctionFromName(std::string_view name) {
  return ValueIn<TCellFunction>(kCellFunctionNames, name);
}
TBitValue BitValueFromName(std::string_view name) { return ValueIn<TBitValue>(kBitValueNames, name); }
TDisableResult DisableResultFromName(std::string_view name) {
  return ValueIn<TDisableResult>(kDisableResultNames, name);
}
TScanClockHaltMode ScanClockHaltModeFromName(std::string_view name) {
  return ValueIn<TScanClockHaltMode>(kScanClockHaltModeNames, name);
}
