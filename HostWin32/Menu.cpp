#include "HostWin32/Menu.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/Windows.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace host {
namespace {

struct CMenuRecord {
  HWND hWnd;
  std::vector<CMenuItem> items;
};

std::map<HWND, std::unique_ptr<CMenuRecord>> g_systemMenus;

CMenuRecord* Record(HMENU hMenu) {
  for (auto& entry : g_systemMenus)
    if (reinterpret_cast<HMENU>(entry.second.get()) == hMenu) return entry.second.get();
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

std::vector<CMenuItem> StandardSystemMenu() {
  return {
      {MF_STRING, SC_RESTORE, "&Restore"},   {MF_STRING, SC_MOVE, "&Move"},
      {MF_STRING, SC_SIZE, "&Size"},         {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
      {MF_STRING, SC_MAXIMIZE, "Ma&ximize"}, {MF_SEPARATOR, 0, ""},
      {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"},
  };
}

const CMenuItem* Item(const CMenuRecord& menu, UINT uItem, UINT uFlags) {
  if (uFlags & MF_BYPOSITION) return uItem < menu.items.size() ? &menu.items[uItem] : nullptr;
  for (const CMenuItem& item : menu.items)
    if (!(item.uFlags & MF_SEPARATOR) && item.uId == uItem) return &item;
  return nullptr;
}

}  // namespace

const std::vector<CMenuItem>* MenuItems(HMENU hMenu) {
  CMenuRecord* menu = Record(hMenu);
  return menu ? &menu->items : nullptr;
}

void DestroyWindowMenus(HWND hWnd) { g_systemMenus.erase(hWnd); }

void ResetMenus() { g_systemMenus.clear(); }

}  // namespace host

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert) {
  if (!IsWindow(hWnd) || !(GetWindowLongA(hWnd, GWL_STYLE) & WS_SYSMENU)) return nullptr;
  if (bRevert) {
    host::g_systemMenus.erase(hWnd);
    return nullptr;
  }
  std::unique_ptr<host::CMenuRecord>& menu = host::g_systemMenus[hWnd];
  if (!menu) menu.reset(new host::CMenuRecord{hWnd, host::StandardSystemMenu()});
  return reinterpret_cast<HMENU>(menu.get());
}

BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  host::CMenuRecord* menu = host::Record(hMenu);
  if (menu == nullptr) return FALSE;
  if (uFlags & MF_POPUP) {
    SetLastError(ERROR_INVALID_PARAMETER);  // submenus: not used here
    return FALSE;
  }
  bool bSeparator = (uFlags & MF_SEPARATOR) != 0;
  menu->items.push_back({uFlags, uIDNewItem, bSeparator || lpNewItem == nullptr ? "" : lpNewItem});
  return TRUE;
}

int GetMenuItemCount(HMENU hMenu) {
  host::CMenuRecord* menu = host::Record(hMenu);
  return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
  host::CMenuRecord* menu = host::Record(hMenu);
  if (menu == nullptr || nPos < 0 || static_cast<std::size_t>(nPos) >= menu->items.size())
    return static_cast<UINT>(-1);
  return static_cast<UINT>(menu->items[static_cast<std::size_t>(nPos)].uId);
}

int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
  host::CMenuRecord* menu = host::Record(hMenu);
  const host::CMenuItem* item = menu ? host::Item(*menu, uIDItem, flags) : nullptr;
  if (item == nullptr) return 0;
  if (lpString == nullptr || cchMax <= 0) return static_cast<int>(item->strText.size());
  std::size_t n = std::min<std::size_t>(item->strText.size(), static_cast<std::size_t>(cchMax) - 1);
  std::memcpy(lpString, item->strText.data(), n);
  lpString[n] = '\0';
  return static_cast<int>(n);
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
  host::CMenuRecord* menu = host::Record(hMenu);
  const host::CMenuItem* item = menu ? host::Item(*menu, uId, uFlags) : nullptr;
  return item ? item->uFlags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED) : static_cast<UINT>(-1);
}
