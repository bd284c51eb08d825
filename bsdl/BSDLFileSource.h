// The run-time source of a built-in description that carries no rows: the part's vendor BSDL
// file, looked for in, in order,
//   1. the plug-in's BSDL library (Library/BSDL/<vendor>/<family>/, or an archive there),
//   2. each folder of the environment variable ARTIX7_BSDL_PATH (':'-separated),
//   3. the BSDL folders of the vendor tools (when a provider of them is installed).
// A file is accepted only when it agrees with the record: entity name, boundary length and
// TAP pins.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bsdl/BSDLParameters.h"
#include "host/QuillError.h"

// A file that reads but does not describe the record's part.
class EBSDLMismatch : public EQuillError {
 public:
  using EQuillError::EQuillError;
};

// The path of a BSDL file in the plug-in's library, "" when it is not there.
using TBSDLLibraryLookup = std::function<std::string(const std::string& fileName)>;
// Folders where the installed vendor tools keep their BSDL files.
using TVendorBSDLFolders = std::function<std::vector<std::string>()>;
// Tells the user about a file that cannot be used (a message box in the host).
using TBSDLProblemReporter = std::function<void(const std::string& caption, const std::string& message)>;

// Replaces the library lookup; null restores the plug-in's own library (see SetBSDLLibraryDevice).
void SetBSDLLibraryLookup(TBSDLLibraryLookup lookup);
// The vendor and family whose folder of the plug-in's BSDL library is searched.
void SetBSDLLibraryDevice(const std::string& vendor, const std::string& family);
void SetVendorBSDLFolders(TVendorBSDLFolders folders);
// The default reporter writes the caption and the message on standard error.
void SetBSDLProblemReporter(TBSDLProblemReporter reporter);
void ReportBSDLProblem(const std::string& message);

// The folders of ARTIX7_BSDL_PATH, in order.
std::vector<std::string> BSDLSearchFolders();

// The first existing file for `fileName` (names compared without case), or nothing.
std::optional<std::string> FindBSDLFile(const std::string& fileName);

// `record` with the pin and cell rows of the file at `path`. Throws EBSDLError when the file
// does not read, EBSDLMismatch when it describes another part.
TBSDLParameters RecordWithRowsFromFile(const TBSDLParameters& record, const std::string& path);
