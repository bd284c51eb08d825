// The host's status bar and its progress bar. Everything is skipped without a host client or
// GUI manager.
//
// ProgressBegin opens a progress record; records nest and only the top one advances.
// ProgressStep moves the host's bar forward one notch per whole percent gained; ProgressStep
// and ProgressEnd do nothing when no record is open.
#pragma once

#include <cstdint>
#include <string>

struct TPercentState {
  std::int64_t CurrentPercentCount = 0;
  std::int64_t TotalPercentCount = 0;
  std::int32_t OldPercent = 0;
};

void SetStatusText(std::int32_t pane, const std::string& text);
void ProgressBegin(const std::string& caption, std::int64_t total);
void ProgressStep();
void ProgressEnd();
// Number of open progress records.
std::size_t ProgressDepth();

// Percent of `current` in `total`, rounded to the nearest (halves to even), 100 for a total of
// 0, never above 100.
std::int32_t ProgressPercent(std::int64_t current, std::int64_t total);
