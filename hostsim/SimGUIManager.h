// The simulated GUI manager: status-bar panes, the progress bar and panel visibility.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hostsim/SimObject.h"

// One progress run of the status bar, from its begin (-3) to its finish (-4).
struct TSimProgress {
  std::string Caption;
  std::int32_t Steps = 0;  // -7 notches, one per percent
  bool Ended = false;      // -6 seen
  bool Finished = false;   // -4 seen
};

class TSimGUIManager : public TSimObject {
 public:
  using TSimObject::TSimObject;

  const std::map<std::int32_t, std::string>& Panes() const { return FPanes; }
  const std::vector<TSimProgress>& ProgressRuns() const { return FRuns; }
  std::size_t OpenProgressCount() const { return FOpen.size(); }
  bool PanelVisible(const std::string& panel) const;

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  void StatusBar(std::int32_t code, std::string text);
  void ShowPanel(std::string panel, bool visible) { FPanels[panel] = visible; }
  void SetPanelSize(std::string, std::int32_t, std::int32_t) {}
  bool IsShortcutKey(std::int32_t, bool, bool, bool) { return false; }
  void RunShortcut() {}
  TSimProgress* Top() { return FOpen.empty() ? nullptr : &FRuns[FOpen.back()]; }

  std::map<std::int32_t, std::string> FPanes;
  std::vector<TSimProgress> FRuns;
  std::vector<std::size_t> FOpen;
  std::map<std::string, bool> FPanels;
};
