// Stand-in for painting: paint contexts opened and closed around one paint,
// icons drawn into them (recorded), and validation of a window.
#pragma once

#include "HostWin32/Win32Types.h"
#include "HostWin32/Windows.h"

#include <vector>

typedef struct tagPAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);

namespace host {

struct CDrawnIcon {
  HWND hWnd;  // the window the paint context belongs to
  HDC hDC;
  int x;
  int y;
  HICON hIcon;
};

const std::vector<CDrawnIcon>& DrawnIcons();
// Paint contexts begun and not yet ended.
int OpenPaintContexts();
void ResetGdi();

}  // namespace host
