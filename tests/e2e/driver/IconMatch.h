// Which of the system's message box icons a window shows. Icon handles do not
// cross processes, so the pixels on the screen are compared with each system
// icon drawn here.
#pragma once

#include <windows.h>

// "error", "question", "warning" or "information"; "unknown" when the
// window shows something else; null when it shows nothing. A window that has
// just appeared may not be painted yet: it is looked at again until it shows
// a system icon or the time is up.
const char* IdentifySystemIcon(HWND hIconWindow, DWORD dwWaitMs);
