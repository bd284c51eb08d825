#include "host/KeyState.h"

#include "platform/Desktop.h"

bool CtrlDown() { return platform::IsKeyDown(platform::eKey_Control); }
bool ShiftDown() { return platform::IsKeyDown(platform::eKey_Shift); }
bool AltDown() { return platform::IsKeyDown(platform::eKey_Alt); }
