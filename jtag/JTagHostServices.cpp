#include "jtag/JTagHostServices.h"

#include "devices/DeviceFamilies.h"
#include "host/BusyCursor.h"
#include "host/Progress.h"

namespace jtag {

namespace {

// The host utilities themselves: cursor and progress through the host client (nothing
// happens without one), the flags from the plug-in configuration files.
class THostJTagServices final : public TJTagHostServices {
 public:
  void ShowBusyCursor() override { ::ShowBusyCursor(); }
  void RestoreCursor() override { ::RestoreCursor(); }
  void ProgressBegin(const std::string& caption, std::int64_t total) override { ::ProgressBegin(caption, total); }
  void ProgressStep() override { ::ProgressStep(); }
  void ProgressEnd() override { ::ProgressEnd(); }
  bool FamilyFlag(const std::string& family, const std::string& key, const std::string& section) override {
    return GetValueFromExtensionsAsFlag(family, key, section);
  }
};

}  // namespace

TJTagHostServices& HostJTagServices() {
  static THostJTagServices services;
  return services;
}

}  // namespace jtag
