#include "Framework/CWnd.h"

#include "Framework/CMenu.h"

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

void CWnd::CenterWindow() {
  RECT rcArea;
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0)) return;
  RECT rcCenter = rcArea;
  HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
  if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner)) ::GetWindowRect(hOwner, &rcCenter);

  RECT rcWindow;
  ::GetWindowRect(m_hWnd, &rcWindow);
  const LONG cx = rcWindow.right - rcWindow.left;
  const LONG cy = rcWindow.bottom - rcWindow.top;
  LONG x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
  LONG y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
  if (x + cx > rcArea.right) x = rcArea.right - cx;
  if (y + cy > rcArea.bottom) y = rcArea.bottom - cy;
  if (x < rcArea.left) x = rcArea.left;
  if (y < rcArea.top) y = rcArea.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::Default() {
  if (m_pHandling) m_pHandling->bDefault = true;
  return 0;
}
