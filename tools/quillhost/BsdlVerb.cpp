// quillhost bsdl KIND: the boundary-scan entity of a driver, read through its DISPIDs like the
// host's viewer does: the entity's facts, then its boundary register one cell per line in
// BSDL notation.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "bsdl/BSDLTypes.h"
#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "platform/Text.h"
#include "tools/quillhost/Verbs.h"

namespace {

template <std::size_t N>
std::string NameIn(const std::array<std::string_view, N>& names, std::int32_t value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? std::string(names[static_cast<std::size_t>(value)])
                                                           : "?" + std::to_string(value);
}

std::string PinNumberOf(const THostObject& entity, DISPID tapPin) {
  THostObject pin(entity.Call<TComPtr<IDispatch>>(tapPin));
  return pin.Assigned() ? pin.Call<std::string>(503492) : std::string("none");
}

std::string CellLine(const THostObject& cell) {
  std::string line = text::FormatInt(cell.Call<std::int32_t>(503501)) + " (";
  const std::string kind = NameIn(kCellKindNames, cell.Call<std::int32_t>(503502));
  line += (kind.empty() ? std::string("UNDEFINED") : kind) + ", " + cell.Call<std::string>(503503) + ", ";
  const std::string function = text::LowerAscii(NameIn(kCellFunctionNames, cell.Call<std::int32_t>(503504)));
  line += (function.empty() ? std::string("undefined") : function) + ", " +
          NameIn(kBitValueNames, cell.Call<std::int32_t>(503505));
  const std::int32_t control = cell.Call<std::int32_t>(503506);
  if (control >= 0)
    line += ", " + text::FormatInt(control) + ", " + NameIn(kBitValueNames, cell.Call<std::int32_t>(503507)) + ", " +
            NameIn(kDisableResultNames, cell.Call<std::int32_t>(503508));
  return line + ")";
}

void PrintEntity(std::int32_t kind) {
  THostObject driver(Plugin().Driver(kind));
  THostObject entity(driver.Call<TComPtr<IDispatch>>(503406));
  if (!entity.Assigned()) {
    std::printf("no boundary-scan description found for %s (put the vendor's file in a folder given with "
                "--bsdl-dir or ARTIX7_BSDL_PATH)\n",
                driver.Call<std::string>(503405).c_str());
    SetExitCode(1);
    return;
  }
  std::printf("entity            %s\n", entity.Call<std::string>(503458).c_str());
  std::printf("file              %s\n", entity.Call<std::string>(503489).c_str());
  std::printf("boundary length   %d\n", entity.Call<std::int32_t>(503461));
  std::printf("pins              %d\n", entity.Call<std::int32_t>(503467));
  std::printf("cells             %d\n", entity.Call<std::int32_t>(503469));
  std::printf("TDI TDO TMS TCK   %s %s %s %s\n", PinNumberOf(entity, 503472).c_str(),
              PinNumberOf(entity, 503473).c_str(), PinNumberOf(entity, 503474).c_str(),
              PinNumberOf(entity, 503475).c_str());
  std::printf("TRST              %s\n", PinNumberOf(entity, 503476).c_str());
  std::printf("scan clock        %s Hz, halt %s\n", text::FormatGeneral(entity.Call<double>(503484), 12).c_str(),
              NameIn(kScanClockHaltModeNames, entity.Call<std::int32_t>(503485)).c_str());
  std::printf("conformance       %s\n", entity.Call<std::string>(503486).c_str());
  std::printf("SAMPLE            %u\n", entity.Call<std::uint32_t>(503479));
  std::printf("instructions      %d\n", entity.Call<std::int32_t>(503470));
  const std::int32_t registers = entity.Call<std::int32_t>(503471);
  for (std::int32_t i = 0; i < registers; ++i)
    std::printf("register          %s\n",
                THostObject(entity.Call<TComPtr<IDispatch>>(503466, i)).Call<std::string>(503427).c_str());
  std::printf("boundary register\n");
  const std::int32_t cells = entity.Call<std::int32_t>(503469);
  for (std::int32_t i = 0; i < cells; ++i)
    std::printf("  %s\n", CellLine(THostObject(entity.Call<TComPtr<IDispatch>>(503464, i))).c_str());
}

TVerbRegistration registration{"bsdl", "the boundary-scan description of a driver: bsdl KIND", [](CLI::App& cmd) {
                                 auto kind = std::make_shared<std::int32_t>(0);
                                 cmd.add_option("kind", *kind, "driver kind (0..46)")->required();
                                 return [kind] { PrintEntity(*kind); };
                               }};

}  // namespace
