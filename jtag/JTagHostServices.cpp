#include "jtag/JTagHostServices.h"

namespace jtag {

namespace {

// Until the host client services are reachable from the plug-in, the cursor and progress
// calls have nothing to talk to and no configuration flag is set.
class THostJTagServices final : public TJTagHostServices {
 public:
  void ShowBusyCursor() override {}
  void RestoreCursor() override {}
  void ProgressBegin(const std::string&, std::int64_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
  bool FamilyFlag(const std::string&, const std::string&, const std::string&) override { return false; }
};

}  // namespace

TJTagHostServices& HostJTagServices() {
  static THostJTagServices services;
  return services;
}

}  // namespace jtag
