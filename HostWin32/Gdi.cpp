#include "HostWin32/Gdi.h"

#include "HostWin32/Kernel.h"

#include <map>
#include <memory>

namespace host {
namespace {

struct CPaintContext {
  HWND hWnd;
};

std::map<HDC, std::unique_ptr<CPaintContext>> g_open;
std::vector<CDrawnIcon> g_drawnIcons;

}  // namespace

const std::vector<CDrawnIcon>& DrawnIcons() { return g_drawnIcons; }
int OpenPaintContexts() { return static_cast<int>(g_open.size()); }

void ResetGdi() {
  g_open.clear();
  g_drawnIcons.clear();
}

}  // namespace host

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  host::CWindow* window = host::Window(hWnd);
  if (window == nullptr || window->bDestroyed || lpPaint == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  std::unique_ptr<host::CPaintContext> context(new host::CPaintContext{hWnd});
  HDC hDC = reinterpret_cast<HDC>(context.get());
  host::g_open[hDC] = std::move(context);
  window->bNeedsPaint = false;
  *lpPaint = PAINTSTRUCT();
  lpPaint->hdc = hDC;
  GetClientRect(hWnd, &lpPaint->rcPaint);
  return hDC;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
  return lpPaint != nullptr && host::g_open.erase(lpPaint->hdc) == 1;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
  auto it = host::g_open.find(hDC);
  if (it == host::g_open.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  host::g_drawnIcons.push_back({it->second->hWnd, hDC, X, Y, hIcon});
  return hIcon != nullptr;
}

BOOL ValidateRect(HWND hWnd, const RECT*) {
  host::CWindow* window = host::Window(hWnd);
  if (window == nullptr || window->bDestroyed) return FALSE;
  window->bNeedsPaint = false;
  return TRUE;
}
