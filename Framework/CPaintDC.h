// The device context of one paint of a window: begun when constructed,
// ended when destroyed.
#pragma once

#include "Framework/CObject.h"
#include "Framework/CWnd.h"

class CPaintDC : public CObject {
 public:
  explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
  ~CPaintDC() override { ::EndPaint(m_hWnd, &m_ps); }

  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
  HDC m_hDC;
};
