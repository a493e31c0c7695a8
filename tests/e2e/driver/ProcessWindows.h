// Finding and reading another process's windows, as a UI automation tool
// does: only handles, messages and the window manager's own records.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The visible top-level windows of the process, topmost first.
std::vector<HWND> VisibleTopLevelWindows(DWORD dwProcessId);

// The direct children of the window, in their Z order (a dialog's template order).
std::vector<HWND> ChildWindows(HWND hWnd);

std::wstring ClassNameOf(HWND hWnd);

// The window's text, asked with the wide WM_GETTEXT (the narrow messages
// lose all but the first character across processes under Wine).
std::wstring TextOf(HWND hWnd);

// The child with this id and window class (case ignored), or null.
HWND FindChild(HWND hParent, int nId, const wchar_t* pszClass);

// Where the window stands: "centred" over the work area, or over hOver when
// given; "top-left" at the work area's corner; otherwise "x,y" in pixels.
std::string PlacementOf(HWND hWnd, HWND hOver);

// The window of the thread's keyboard focus, or null.
HWND FocusOfThreadOf(HWND hWnd);
