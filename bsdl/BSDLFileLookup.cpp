// Where a boundary-scan description file is found: the plug-in's BSDL library folder, a copy
// in the temporary folder, or an archive beside the file that the copy is extracted from.
#include <filesystem>

#include "bsdl/BSDLEntity.h"
#include "bsdl/ZipExtract.h"
#include "host/HostFolders.h"
#include "platform/Files.h"

namespace fs = std::filesystem;

std::string TBSDLEntity::DetermineFullPath(const std::string& bsdlFileName, const std::string& deviceVendorName,
                                           const std::string& deviceFamilyName, const std::string& libraryFolder) {
  if (!IsRelativePath(bsdlFileName)) return bsdlFileName;
  const std::string base = platform::IncludeTrailingPathDelimiter(libraryFolder.empty() ? PluginLibraryFolder() : libraryFolder);
  return base + "BSDL/" + deviceVendorName + "/" + deviceFamilyName + "/" + bsdlFileName;
}

std::string TBSDLEntity::FindFullBSDLPath(const std::string& sourcePath) {
  const fs::path source = sourcePath;
  const std::string name = source.filename().string();
  if (name.empty()) return {};
  const std::string temporaryFolder = platform::IncludeTrailingPathDelimiter(TempFolder());
  const std::string temporaryCopy = temporaryFolder + name;
  if (platform::FileExists(sourcePath)) return sourcePath;
  if (platform::FileExists(temporaryCopy)) return temporaryCopy;
  // File names keep their case here, so the archive may be spelt either way.
  for (const char* extension : {".Zip", ".zip", ".ZIP"}) {
    fs::path archive = source;
    archive.replace_extension(extension);
    if (!platform::FileExists(archive.string())) continue;
    // Every file of the archive lands in the temporary folder; only the copy's presence counts.
    ExtractZipToFolder(archive.string(), temporaryFolder);
    return platform::FileExists(temporaryCopy) ? temporaryCopy : std::string();
  }
  return {};
}
