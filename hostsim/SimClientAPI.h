// The simulated client-API object: client folder, cursor, project display texts, help.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hostsim/SimObject.h"

class TSimClientAPI : public TSimObject {
 public:
  using TSimObject::TSimObject;

  void SetClientFolder(std::string folder) { FClientFolder = std::move(folder); }
  void SetSuppressLockedFileReports(bool suppress) { FSuppressLockedFileReports = suppress; }
  // The cursor codes set and not yet restored, innermost last.
  const std::vector<std::int32_t>& CursorStack() const { return FCursors; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  std::string ClientFolder() { return FClientFolder; }
  void SetCursor(std::int32_t code) { FCursors.push_back(code); }
  void RestoreCursor() {
    if (!FCursors.empty()) FCursors.pop_back();
  }
  bool SuppressLockedFileReports() { return FSuppressLockedFileReports; }
  std::string ProjectDisplayText(std::string path) { return path; }
  std::string HelpDocument(std::string) { return {}; }
  std::string HelpPrefix(std::string) { return {}; }

  std::string FClientFolder;
  bool FSuppressLockedFileReports = false;
  std::vector<std::int32_t> FCursors;
};
