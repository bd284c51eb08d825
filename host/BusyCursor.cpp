#include "host/BusyCursor.h"

#include "host/HostClient.h"

void ShowBusyCursor() { HostClient().ClientAPI().SetCursor(kCursor_HourGlass); }

void RestoreCursor() { HostClient().ClientAPI().RestoreCursor(); }

TBusyCursor::~TBusyCursor() {
  try {
    RestoreCursor();
  } catch (...) {
    // Restoring runs on the way out of failures too; it must not replace their error.
  }
}
