// A window of the framework: a thin, non-owning wrapper of one HWND.
#pragma once

#include "Framework/CObject.h"
#include "Framework/Win32.h"

class CMenu;

class CWnd : public CObject {
 public:
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  LRESULT SendMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(m_hWnd, nMessage, wParam, lParam);
  }
  // The window's own system menu, which may be changed; null when it has none.
  CMenu* GetSystemMenu(BOOL bRevert) const;
  // Centres the window over its owner, or within the work area of the screen
  // when it has no visible owner; it stays wholly inside the work area.
  void CenterWindow();
  // Leaves the message being handled to the system's default processing,
  // which runs when the handler has returned. Returns 0.
  LRESULT Default();

  HWND m_hWnd = nullptr;

 protected:
  // The message that a handler of this window is running for.
  struct CHandling {
    MSG msg;
    bool bDefault;  // Default() was asked for
  };
  CHandling* m_pHandling = nullptr;
};
