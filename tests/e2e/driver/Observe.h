// What the driver reports of each kind of window, as JSON objects.
#pragma once

#include <windows.h>

#include "Json.h"

// The checker dialog's controls.
const int kListId = 1000;
const int kMessageId = 1001;
const int kCheckBoxId = 1026;

// The checker dialog: the visible top-level window that holds list box 1000.
HWND FindCheckerDialog(DWORD dwProcessId);

// A visible dialog-class window of the process other than the checker
// dialog: a message box or the About box.
HWND FindPopup(DWORD dwProcessId, HWND hChecker);

// A message box: caption, text, icon, buttons and owner.
CJsonObject ReadMessageBox(HWND hBox);

// The checker dialog: caption, verdict, list items in display order with
// their item data, the marked item, the check box, placement and focus.
CJsonObject ReadCheckerDialog(HWND hDialog);

// The About box: caption, its texts in order, its buttons, where it stands and
// whether the checker dialog is disabled meanwhile.
CJsonObject ReadAboutBox(HWND hAbout, HWND hChecker);

// The windows that are there, for a report of what was found instead.
CJsonObject DescribeWindows(DWORD dwProcessId);
