#include "hostsim/SimGUIManager.h"

#include "host/HostManagers.h"

bool TSimGUIManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimGUIManager> table{
      {gui_dispid::kStatusBar, Op<&TSimGUIManager::StatusBar>},
      {gui_dispid::kShowPanel, Op<&TSimGUIManager::ShowPanel>},
      {gui_dispid::kSetPanelSize, Op<&TSimGUIManager::SetPanelSize>},
      {gui_dispid::kIsShortcutKey, Op<&TSimGUIManager::IsShortcutKey>},
      {gui_dispid::kShortcut, Op<&TSimGUIManager::RunShortcut>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

void TSimGUIManager::StatusBar(std::int32_t code, std::string text) {
  if (code >= 0) {
    FPanes[code] = std::move(text);
    return;
  }
  switch (code) {
    case status_bar_code::kProgressBegin:
      FRuns.emplace_back();
      FOpen.push_back(FRuns.size() - 1);
      break;
    case status_bar_code::kProgressCaption:
      if (TSimProgress* top = Top()) top->Caption = std::move(text);
      break;
    case status_bar_code::kProgressStep:
      if (TSimProgress* top = Top()) ++top->Steps;
      break;
    case status_bar_code::kProgressEnd:
      if (TSimProgress* top = Top()) top->Ended = true;
      break;
    case status_bar_code::kProgressFinish:
      if (TSimProgress* top = Top()) {
        top->Finished = true;
        FOpen.pop_back();
      }
      break;
    default: break;
  }
}

bool TSimGUIManager::PanelVisible(const std::string& panel) const {
  const auto it = FPanels.find(panel);
  return it != FPanels.end() && it->second;
}
