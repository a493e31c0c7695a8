// A list box control of a dialog; bound to its window by DDX_Control.
#pragma once

#include "Framework/CWnd.h"

class CListBox : public CWnd {
 public:
  void ResetContent() { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }
  // The new item's index, or LB_ERR / LB_ERRSPACE when it was not added.
  int AddString(LPCSTR lpszItem) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
  }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
  }
  // Makes the first item after nStartAfter (-1: from the top) whose text
  // begins with the given one, letter case ignored, the current item.
  int SelectString(int nStartAfter, LPCSTR lpszItem) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                           reinterpret_cast<LPARAM>(lpszItem)));
  }
};
