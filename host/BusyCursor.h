// The host's busy cursor (the hourglass), shown and restored through the client API.
#pragma once

#include <cstdint>

constexpr std::int32_t kCursor_HourGlass = -11;

void ShowBusyCursor();
void RestoreCursor();

// Shows the busy cursor for its lifetime; the cursor is restored even when an error leaves.
class TBusyCursor {
 public:
  TBusyCursor() { ShowBusyCursor(); }
  ~TBusyCursor();
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
