// A menu of the framework: a thin, non-owning wrapper of one HMENU.
#pragma once

#include "Framework/CObject.h"
#include "Framework/Win32.h"

class CMenu : public CObject {
 public:
  // A wrapper for the handle that lives as long as the program; null for a
  // null handle.
  static CMenu* FromHandle(HMENU hMenu);

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
  }

  HMENU m_hMenu = nullptr;
};
