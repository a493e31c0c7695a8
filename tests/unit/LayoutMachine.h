// Helpers of the layout list and dialog tests: the machine's layouts and
// preload list in the stand-in, and what a list box shows.
#pragma once

#include "Framework/Win32.h"
#include "Morvane/LayoutCatalogue.h"

#include "HostWin32/FileSystem.h"
#include "HostWin32/ListBox.h"
#include "HostWin32/Registry.h"

#include <ostream>
#include <string>
#include <vector>

struct Layout {
  const char* pszKeyName;
  const char* pszFile;
  const char* pszText;
};

// The example layouts, numbered 0 to 5 as listed.
const std::vector<Layout> kSixLayouts = {
    {"00000409", "KBDUS.DLL", "US"},
    {"00000407", "KBDGR.DLL", "German"},
    {"00000419", "KBDRU.DLL", "Russian"},
    {"0000040d", "KBDHEB.DLL", "Hebrew"},
    {"00020409", "KBDUSX.DLL", "United States-International"},
    {"00010409", "kbdus.dll", "US"},
};

inline std::vector<CLayoutInfo> MakeLayouts(const std::vector<Layout>& layouts) {
  std::vector<CLayoutInfo> infos;
  for (const Layout& layout : layouts) {
    CLayoutInfo info;
    info.m_strKeyName = layout.pszKeyName;
    info.m_strLayoutFile = layout.pszFile;
    info.m_strLayoutText = layout.pszText;
    infos.push_back(info);
  }
  return infos;
}

// Catalogue entries whose files lie in the system directory. The registry
// enumerates the catalogue sorted by key name, so that is their order.
inline void InstallLayouts(const std::vector<Layout>& layouts) {
  const std::string catalogue = "system\\currentcontrolset\\control\\keyboard layouts\\";
  for (const Layout& layout : layouts) {
    host::SetRegString(HKEY_LOCAL_MACHINE, catalogue + layout.pszKeyName, "layout file", layout.pszFile);
    host::SetRegString(HKEY_LOCAL_MACHINE, catalogue + layout.pszKeyName, "layout text", layout.pszText);
    host::AddFile(host::FileSystem().strSystemDirectory + "\\" + layout.pszFile);
  }
}

// The user's preload list, as the NT family keeps it: values "1", "2"...
// It replaces the list there was.
inline void SetPreload(const std::vector<std::string>& keyNames) {
  host::DeleteRegKeyTree(HKEY_CURRENT_USER, "keyboard layout\\Preload");
  host::CreateRegKey(HKEY_CURRENT_USER, "keyboard layout\\Preload");
  for (std::size_t i = 0; i < keyNames.size(); ++i)
    host::SetRegString(HKEY_CURRENT_USER, "keyboard layout\\Preload", std::to_string(i + 1), keyNames[i]);
}

struct Item {
  std::string strText;
  ULONG_PTR nData;
  bool operator==(const Item& other) const { return strText == other.strText && nData == other.nData; }
};

inline std::ostream& operator<<(std::ostream& os, const Item& item) {
  return os << "{\"" << item.strText << "\", " << item.nData << "}";
}

// The list's items in list order.
inline std::vector<Item> Items(HWND hList) {
  std::vector<Item> items;
  for (const host::CListBoxItem& item : host::ListBoxItems(hList)) items.push_back({item.strText, item.nData});
  return items;
}

inline int CurSel(HWND hList) { return static_cast<int>(SendMessageA(hList, LB_GETCURSEL, 0, 0)); }

// Messages of one kind sent to one window.
inline int CountSent(HWND hWnd, UINT nMessage) {
  int n = 0;
  for (const host::CSentMessage& sent : host::SentMessages())
    if (sent.hWnd == hWnd && sent.nMessage == nMessage) ++n;
  return n;
}
