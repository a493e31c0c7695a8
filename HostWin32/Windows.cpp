#include "HostWin32/Windows.h"

#include "HostWin32/Button.h"
#include "HostWin32/Dialog.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/ListBox.h"
#include "HostWin32/Menu.h"
#include "HostWin32/Shell.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

namespace host {
namespace {

std::map<HWND, std::unique_ptr<CWindow>> g_windows;
std::vector<HWND> g_creationOrder;
std::map<std::string, WNDPROC> g_classes;  // keyed by upper-case name
std::vector<CSentMessage> g_sent;
CScreen g_screen;
HWND g_hFocus = nullptr;

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

CWindow* Live(HWND hWnd) {
  CWindow* window = Window(hWnd);
  if (window == nullptr || window->bDestroyed) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return window;
}

// Where the window's client area starts on the screen.
POINT ClientOrigin(const CWindow& window) {
  POINT pt = {window.rect.left, window.rect.top};
  if ((window.dwStyle & WS_CHILD) && window.hParent) {
    POINT parent = ClientOrigin(*Window(window.hParent));
    pt.x += parent.x;
    pt.y += parent.y;
  }
  return pt;
}

LONG_PTR* DialogValue(CWindow& window, int nIndex) {
  if (nIndex < 0 || nIndex % static_cast<int>(sizeof(LONG_PTR)) != 0) return nullptr;
  std::size_t n = static_cast<std::size_t>(nIndex) / sizeof(LONG_PTR);
  return n < 3 ? &window.dlgValues[n] : nullptr;
}

LONG EffectiveStyle(const CWindow& window) {
  DWORD dwStyle = window.dwStyle & ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE);
  if (window.bVisible) dwStyle |= WS_VISIBLE;
  if (!window.bEnabled) dwStyle |= WS_DISABLED;
  if (window.bIconic) dwStyle |= WS_MINIMIZE;
  return static_cast<LONG>(dwStyle);
}

}  // namespace

CWindow* Window(HWND hWnd) {
  auto it = g_windows.find(hWnd);
  return it == g_windows.end() ? nullptr : it->second.get();
}

std::vector<HWND> Windows() {
  std::vector<HWND> live;
  for (HWND hWnd : g_creationOrder)
    if (!Window(hWnd)->bDestroyed) live.push_back(hWnd);
  return live;
}

const std::vector<CSentMessage>& SentMessages() { return g_sent; }
CScreen& Screen() { return g_screen; }

void RegisterBuiltInClass(const std::string& strName, WNDPROC pfnWndProc) { g_classes[Upper(strName)] = pfnWndProc; }

HWND MakeWindow(const std::string& strClass, DWORD dwExStyle, LPCSTR pszText, DWORD dwStyle, const RECT& rect,
                HWND hParent, int nId) {
  auto it = g_classes.find(Upper(strClass));
  if (it == g_classes.end()) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  std::unique_ptr<CWindow> window(new CWindow());
  window->strClass = it->first;
  window->pfnWndProc = it->second;
  window->nId = nId;
  window->strText = pszText ? pszText : "";
  window->dwStyle = dwStyle;
  window->dwExStyle = dwExStyle;
  window->hParent = hParent;
  window->bVisible = (dwStyle & WS_VISIBLE) != 0;
  window->bEnabled = (dwStyle & WS_DISABLED) == 0;
  window->bNeedsPaint = window->bVisible;
  window->rect = rect;
  HWND hWnd = reinterpret_cast<HWND>(window.get());
  g_windows[hWnd] = std::move(window);
  g_creationOrder.push_back(hWnd);
  return hWnd;
}

int OpenWindowCount() { return static_cast<int>(Windows().size()); }

void ResetWindows() {
  g_windows.clear();
  g_creationOrder.clear();
  g_classes.clear();
  g_sent.clear();
  g_screen = CScreen();
  g_hFocus = nullptr;
  RegisterBuiltInClass("STATIC", &DefWindowProcA);
  RegisterBuiltInClass("BUTTON", &ButtonWndProc);
  RegisterBuiltInClass("LISTBOX", &ListBoxWndProc);
  RegisterBuiltInClass("#32770", &DialogWndProc);
}

}  // namespace host

using host::CWindow;

ATOM RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr || lpWndClass->lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  host::RegisterBuiltInClass(lpWndClass->lpszClassName, lpWndClass->lpfnWndProc);
  return static_cast<ATOM>(0xC000 + host::g_classes.size());
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE, LPVOID lpParam) {
  if (hWndParent && host::Live(hWndParent) == nullptr) return nullptr;
  int nId = (dwStyle & WS_CHILD) ? static_cast<int>(reinterpret_cast<INT_PTR>(hMenu)) : 0;
  RECT rect = {X, Y, X + nWidth, Y + nHeight};
  HWND hWnd = host::MakeWindow(lpClassName ? lpClassName : "", dwExStyle, lpWindowName, dwStyle, rect, hWndParent, nId);
  if (hWnd == nullptr) return nullptr;
  if (SendMessageA(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(lpParam)) == -1) {
    DestroyWindow(hWnd);
    return nullptr;
  }
  return hWnd;
}

BOOL DestroyWindow(HWND hWnd) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  SendMessageA(hWnd, WM_DESTROY, 0, 0);
  // Children and owned popups go with their window.
  for (HWND hOther : host::Windows())
    if (host::Window(hOther)->hParent == hWnd) DestroyWindow(hOther);
  SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
  window->bDestroyed = true;
  window->bVisible = false;
  window->pExtra.reset();
  host::DestroyWindowMenus(hWnd);
  if (host::g_hFocus == hWnd) host::g_hFocus = nullptr;
  return TRUE;
}

BOOL IsWindow(HWND hWnd) {
  CWindow* window = host::Window(hWnd);
  return window != nullptr && !window->bDestroyed;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return 0;
  host::g_sent.push_back({hWnd, Msg, wParam, lParam});
  return window->pfnWndProc(hWnd, Msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return 0;
  switch (Msg) {
    case WM_SETTEXT:
      window->strText = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      std::size_t n = std::min<std::size_t>(window->strText.size(), wParam - 1);
      LPSTR pszBuffer = reinterpret_cast<LPSTR>(lParam);
      std::memcpy(pszBuffer, window->strText.data(), n);
      pszBuffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->strText.size());
    case WM_SETICON: {
      HICON& hSlot = wParam == ICON_BIG ? window->hIconBig : window->hIconSmall;
      HICON hOld = hSlot;
      hSlot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(hOld);
    }
    case WM_PAINT:
      window->bNeedsPaint = false;
      return 0;
    case WM_SYSCOMMAND: {
      UINT nCommand = static_cast<UINT>(wParam) & 0xFFF0;
      if (nCommand < SC_SIZE) return 0;  // the program's own commands have no default
      window->carriedOutSystemCommands.push_back(nCommand);
      if (nCommand == SC_CLOSE) SendMessageA(hWnd, WM_CLOSE, 0, 0);
      if (nCommand == SC_MINIMIZE) ShowWindow(hWnd, SW_MINIMIZE);
      if (nCommand == SC_RESTORE) ShowWindow(hWnd, SW_RESTORE);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    default:
      return 0;
  }
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  BOOL bWasVisible = window->bVisible;
  switch (nCmdShow) {
    case SW_HIDE:
      window->bVisible = false;
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      window->bIconic = true;
      window->bVisible = true;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      window->bIconic = false;
      window->bVisible = true;
      break;
    default:
      window->bVisible = true;
      break;
  }
  if (window->bVisible && !bWasVisible) window->bNeedsPaint = true;
  return bWasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
  for (CWindow* window = host::Live(hWnd); window; window = host::Window(window->hParent)) {
    if (!window->bVisible) return FALSE;
    if (!(window->dwStyle & WS_CHILD)) return TRUE;
  }
  return FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
  CWindow* window = host::Live(hWnd);
  return window != nullptr && window->bEnabled;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  BOOL bWasDisabled = !window->bEnabled;
  window->bEnabled = bEnable != FALSE;
  return bWasDisabled;
}

BOOL IsIconic(HWND hWnd) {
  CWindow* window = host::Live(hWnd);
  return window != nullptr && window->bIconic;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  if (host::Live(hDlg) == nullptr) return nullptr;
  for (HWND hWnd : host::Windows()) {
    CWindow* window = host::Window(hWnd);
    if (window->hParent == hDlg && (window->dwStyle & WS_CHILD) && window->nId == nIDDlgItem) return hWnd;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  CWindow* window = host::Live(hWnd);
  return window ? window->nId : 0;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (nMaxCount <= 0) return 0;
  return static_cast<int>(
      SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) { return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0)); }

LONG GetWindowLongA(HWND hWnd, int nIndex) { return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex)); }

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return 0;
  switch (nIndex) {
    case GWL_STYLE:
      return host::EffectiveStyle(*window);
    case GWL_EXSTYLE:
      return static_cast<LONG>(window->dwExStyle);
    case GWLP_ID:
      return window->nId;
    case GWLP_USERDATA:
      return window->nUserData;
  }
  LONG_PTR* pValue = window->strClass == "#32770" ? host::DialogValue(*window, nIndex) : nullptr;
  if (pValue == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return *pValue;
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return 0;
  LONG_PTR* pValue = nIndex == GWLP_USERDATA              ? &window->nUserData
                     : window->strClass == "#32770" ? host::DialogValue(*window, nIndex)
                                                    : nullptr;
  if (pValue == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  LONG_PTR old = *pValue;
  *pValue = dwNewLong;
  return old;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  *lpRect = {0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
  return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  POINT origin = host::ClientOrigin(*window);
  *lpRect = {origin.x, origin.y, origin.x + window->rect.right - window->rect.left,
             origin.y + window->rect.bottom - window->rect.top};
  return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr) return FALSE;
  RECT& rect = window->rect;
  if (!(uFlags & SWP_NOSIZE)) {
    rect.right = rect.left + cx;
    rect.bottom = rect.top + cy;
  }
  if (!(uFlags & SWP_NOMOVE)) {
    LONG width = rect.right - rect.left;
    LONG height = rect.bottom - rect.top;
    rect = {X, Y, X + width, Y + height};
  }
  return TRUE;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
  CWindow* window = host::Live(hWnd);
  if (window == nullptr || uCmd != GW_OWNER || (window->dwStyle & WS_CHILD)) return nullptr;
  return window->hParent;
}

HWND GetParent(HWND hWnd) {
  CWindow* window = host::Live(hWnd);
  return window ? window->hParent : nullptr;
}

HWND GetFocus() { return host::g_hFocus; }

HWND SetFocus(HWND hWnd) {
  if (hWnd && host::Live(hWnd) == nullptr) return nullptr;
  HWND hOld = host::g_hFocus;
  host::g_hFocus = hWnd;
  return hOld;
}

int GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
      return host::g_screen.nScreenWidth;
    case SM_CYSCREEN:
      return host::g_screen.nScreenHeight;
    case SM_CXICON:
      return host::g_screen.nIconWidth;
    case SM_CYICON:
      return host::g_screen.nIconHeight;
    default:
      return 0;
  }
}

BOOL SystemParametersInfoA(UINT uiAction, UINT, LPVOID pvParam, UINT) {
  if (uiAction != SPI_GETWORKAREA || pvParam == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *static_cast<RECT*>(pvParam) = host::g_screen.rcWorkArea;
  return TRUE;
}
