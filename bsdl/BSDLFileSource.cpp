#include "bsdl/BSDLFileSource.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bsdl/BSDLEntity.h"
#include "bsdl/BSDLReader.h"
#include "platform/Environment.h"
#include "platform/Text.h"

namespace {

struct TLibraryDevice {
  std::string Vendor;
  std::string Family;
};
TLibraryDevice& LibraryDevice() {
  static TLibraryDevice device;
  return device;
}

// The plug-in's own library: BSDL/<vendor>/<family>/ below its library folder, or an archive
// there that holds the file.
std::string PluginLibraryLookup(const std::string& fileName) {
  const TLibraryDevice& device = LibraryDevice();
  if (device.Family.empty()) return {};
  return TBSDLEntity::FindFullBSDLPath(TBSDLEntity::DetermineFullPath(fileName, device.Vendor, device.Family, ""));
}

TBSDLLibraryLookup& LibraryLookup() {
  static TBSDLLibraryLookup lookup = PluginLibraryLookup;
  return lookup;
}
TVendorBSDLFolders& VendorFolders() {
  static TVendorBSDLFolders folders;
  return folders;
}
TBSDLProblemReporter& Reporter() {
  static TBSDLProblemReporter reporter = [](const std::string& caption, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), message.c_str());
  };
  return reporter;
}

std::optional<std::string> FileIn(const std::string& folder, const std::string& fileName) {
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return std::nullopt;
  const std::filesystem::path exact = std::filesystem::path(folder) / fileName;
  if (std::filesystem::is_regular_file(exact, ec)) return exact.string();
  // Vendor installations write the names in lower case.
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && text::EqualsNoCase(entry.path().filename().string(), fileName))
      return entry.path().string();
  return std::nullopt;
}

void Expect(bool agrees, const std::string& path, const std::string& what, const std::string& found,
            const std::string& expected) {
  if (!agrees)
    throw EBSDLMismatch(path + ": " + what + " is " + (found.empty() ? "missing" : found) + ", the part has " +
                        (expected.empty() ? "none" : expected));
}

}  // namespace

void SetBSDLLibraryLookup(TBSDLLibraryLookup lookup) {
  LibraryLookup() = lookup ? std::move(lookup) : TBSDLLibraryLookup(PluginLibraryLookup);
}
void SetBSDLLibraryDevice(const std::string& vendor, const std::string& family) {
  LibraryDevice() = {vendor, family};
}
void SetVendorBSDLFolders(TVendorBSDLFolders folders) { VendorFolders() = std::move(folders); }
void SetBSDLProblemReporter(TBSDLProblemReporter reporter) { Reporter() = std::move(reporter); }
void ReportBSDLProblem(const std::string& message) {
  if (Reporter()) Reporter()("Boundary-Scan Description", message);
}

std::vector<std::string> BSDLSearchFolders() {
  std::vector<std::string> folders;
  const std::string path = platform::ReadEnvironmentVariable("ARTIX7_BSDL_PATH").value_or("");
  for (std::string_view folder : text::Split(path, platform::PathListSeparator()))
    if (!text::Trim(folder).empty()) folders.emplace_back(text::Trim(folder));
  return folders;
}

std::optional<std::string> FindBSDLFile(const std::string& fileName) {
  if (LibraryLookup()) {
    const std::string path = LibraryLookup()(fileName);
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_regular_file(path, ec)) return path;
  }
  for (const std::string& folder : BSDLSearchFolders())
    if (auto found = FileIn(folder, fileName)) return found;
  if (VendorFolders())
    for (const std::string& folder : VendorFolders()())
      if (auto found = FileIn(folder, fileName)) return found;
  return std::nullopt;
}

TBSDLParameters RecordWithRowsFromFile(const TBSDLParameters& record, const std::string& path) {
  const TBSDLDescription file = ReadBSDLFile(path);
  const TBSDLParameters& f = file.Parameters;
  Expect(text::EqualsNoCase(f.Name, record.Name), path, "the entity", f.Name, record.Name);
  Expect(f.BoundaryLength == record.BoundaryLength, path, "BOUNDARY_LENGTH", text::FormatInt(f.BoundaryLength),
         text::FormatInt(record.BoundaryLength));
  const std::pair<const char*, std::pair<const std::string*, const std::string*>> tap[] = {
      {"the TDI pin", {&f.PinNumber_TDI, &record.PinNumber_TDI}},
      {"the TDO pin", {&f.PinNumber_TDO, &record.PinNumber_TDO}},
      {"the TMS pin", {&f.PinNumber_TMS, &record.PinNumber_TMS}},
      {"the TCK pin", {&f.PinNumber_TCK, &record.PinNumber_TCK}},
      {"the TRST pin", {&f.PinNumber_TRST, &record.PinNumber_TRST}}};
  for (const auto& [what, pins] : tap)
    Expect(text::EqualsNoCase(*pins.first, *pins.second), path, what, *pins.first, *pins.second);
  TBSDLParameters merged = record;
  merged.Pins = f.Pins;
  merged.BoundaryCells = f.BoundaryCells;
  return merged;
}
