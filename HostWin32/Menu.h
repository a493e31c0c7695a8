// Stand-in for window menus: each window with WS_SYSMENU gets its own copy
// of the standard system menu on first request, which goes with the window.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>
#include <vector>

#define MF_STRING 0x00000000L
#define MF_BYCOMMAND 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_POPUP 0x00000010L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR 0x00000800L

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int nPos);
int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags);
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);

namespace host {

struct CMenuItem {
  UINT uFlags;
  UINT_PTR uId;
  std::string strText;
};

// The items of a menu, in order; null for a handle that is no menu.
const std::vector<CMenuItem>* MenuItems(HMENU hMenu);
void DestroyWindowMenus(HWND hWnd);
void ResetMenus();

}  // namespace host
