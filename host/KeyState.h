// Whether a modifier key is held now.
#pragma once

bool CtrlDown();
bool ShiftDown();
bool AltDown();
