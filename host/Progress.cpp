#include "host/Progress.h"

#include <vector>

#include "host/HostManagers.h"

namespace {

std::vector<TPercentState>& Records() {
  static std::vector<TPercentState> records;
  return records;
}

void SendStatus(std::int32_t code, const std::string& text = {}) { HostGUIManager().StatusBar_SetState(code, text); }

}  // namespace

std::int32_t ProgressPercent(std::int64_t current, std::int64_t total) {
  if (total == 0) return 100;
  if (total < 0) {
    total = -total;
    current = -current;
  }
  const std::int64_t scaled = current * 100;
  std::int64_t quotient = scaled / total;
  std::int64_t remainder = scaled % total;
  if (remainder < 0) {  // floor for negative counts
    quotient -= 1;
    remainder += total;
  }
  if (2 * remainder > total || (2 * remainder == total && quotient % 2 != 0)) quotient += 1;
  return quotient > 100 ? 100 : static_cast<std::int32_t>(quotient);
}

void SetStatusText(std::int32_t pane, const std::string& text) { SendStatus(pane, text); }

void ProgressBegin(const std::string& caption, std::int64_t total) {
  SendStatus(status_bar_code::kProgressBegin);
  SendStatus(status_bar_code::kProgressCaption, caption);
  Records().push_back({0, total, 0});
}

void ProgressStep() {
  if (Records().empty()) return;
  TPercentState& state = Records().back();
  state.CurrentPercentCount += 1;
  const std::int32_t percent = ProgressPercent(state.CurrentPercentCount, state.TotalPercentCount);
  if (percent > state.OldPercent) {
    const TGUIManager gui = HostGUIManager();
    for (std::int32_t i = state.OldPercent; i < percent; ++i) gui.StatusBar_SetState(status_bar_code::kProgressStep, {});
  }
  state.OldPercent = percent;
}

void ProgressEnd() {
  if (Records().empty()) return;
  SendStatus(status_bar_code::kProgressEnd);
  SendStatus(status_bar_code::kProgressFinish);
  Records().pop_back();
}

std::size_t ProgressDepth() { return Records().size(); }
