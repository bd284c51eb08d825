// TJTagHostServices: what the JTAG routines need of the host besides the chain: the busy
// cursor, the status-bar progress and the per-family configuration flags. The routines call
// only this narrow interface, so a test can watch them and the host side can change without
// touching the routines.
#pragma once

#include <cstdint>
#include <string>

namespace jtag {

class TJTagHostServices {
 public:
  virtual ~TJTagHostServices() = default;
  virtual void ShowBusyCursor() = 0;
  virtual void RestoreCursor() = 0;
  virtual void ProgressBegin(const std::string& caption, std::int64_t total) = 0;
  virtual void ProgressStep() = 0;
  virtual void ProgressEnd() = 0;
  // The flag form of the per-family value lookup in the plug-in configuration files.
  virtual bool FamilyFlag(const std::string& family, const std::string& key, const std::string& section) = 0;
};

// The host's own services.
TJTagHostServices& HostJTagServices();

}  // namespace jtag
