#include "HostWin32/ListBox.h"

#include "HostWin32/Windows.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace host {
namespace {

struct CListBoxData : CWindowExtra {
  std::vector<CListBoxItem> items;
  int nCurSel = LB_ERR;
};

CListBoxFaults g_faults;

int CompareNoCase(const std::string& a, LPCSTR b) {
  for (std::size_t i = 0;; ++i) {
    int ca = i < a.size() ? std::tolower(static_cast<unsigned char>(a[i])) : 0;
    int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb || ca == 0) return ca - cb;
  }
}

bool StartsWithNoCase(const std::string& text, LPCSTR pszPrefix) {
  std::size_t n = std::strlen(pszPrefix);
  if (n > text.size()) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(pszPrefix[i])))
      return false;
  return true;
}

bool IsIndex(const CListBoxData& data, WPARAM wParam) { return wParam < data.items.size(); }

LRESULT AddString(HWND hWnd, CListBoxData& data, LPCSTR pszText) {
  int nCall = g_faults.nAddsSoFar++;
  if (std::find(g_faults.failingAdds.begin(), g_faults.failingAdds.end(), nCall) != g_faults.failingAdds.end())
    return LB_ERRSPACE;
  std::size_t pos = data.items.size();
  if (Window(hWnd)->dwStyle & LBS_SORT) {
    // Before the first item that is not less, so that an item equal but for
    // letter case goes in front of the one already listed.
    auto it = std::lower_bound(data.items.begin(), data.items.end(), pszText,
                               [](const CListBoxItem& item, LPCSTR psz) { return CompareNoCase(item.strText, psz) < 0; });
    pos = static_cast<std::size_t>(it - data.items.begin());
  }
  data.items.insert(data.items.begin() + static_cast<std::ptrdiff_t>(pos), CListBoxItem{pszText, 0});
  if (data.nCurSel != LB_ERR && static_cast<std::size_t>(data.nCurSel) >= pos) ++data.nCurSel;
  return static_cast<LRESULT>(pos);
}

LRESULT SelectString(CListBoxData& data, WPARAM wStart, LPCSTR pszPrefix) {
  const std::size_t n = data.items.size();
  std::size_t first = IsIndex(data, wStart) ? wStart + 1 : 0;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t i = (first + k) % n;
    if (StartsWithNoCase(data.items[i].strText, pszPrefix)) {
      data.nCurSel = static_cast<int>(i);
      return static_cast<LRESULT>(i);
    }
  }
  return LB_ERR;
}

}  // namespace

LRESULT ListBoxWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  CListBoxData& data = Extra<CListBoxData>(hWnd);
  switch (Msg) {
    case LB_ADDSTRING:
      return AddString(hWnd, data, reinterpret_cast<LPCSTR>(lParam));
    case LB_RESETCONTENT:
      data.items.clear();
      data.nCurSel = LB_ERR;
      return LB_OKAY;
    case LB_GETCOUNT:
      return static_cast<LRESULT>(data.items.size());
    case LB_SETITEMDATA:
      if (!IsIndex(data, wParam)) return LB_ERR;
      data.items[wParam].nData = static_cast<ULONG_PTR>(lParam);
      return TRUE;
    case LB_GETITEMDATA:
      return IsIndex(data, wParam) ? static_cast<LRESULT>(data.items[wParam].nData) : LB_ERR;
    case LB_GETTEXTLEN:
      return IsIndex(data, wParam) ? static_cast<LRESULT>(data.items[wParam].strText.size()) : LB_ERR;
    case LB_GETTEXT: {
      if (!IsIndex(data, wParam)) return LB_ERR;
      const std::string& text = data.items[wParam].strText;
      std::memcpy(reinterpret_cast<LPSTR>(lParam), text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case LB_SELECTSTRING:
      return SelectString(data, wParam, reinterpret_cast<LPCSTR>(lParam));
    case LB_GETCURSEL:
      return data.nCurSel;
    default:
      return DefWindowProcA(hWnd, Msg, wParam, lParam);
  }
}

const std::vector<CListBoxItem>& ListBoxItems(HWND hWnd) { return Extra<CListBoxData>(hWnd).items; }

CListBoxFaults& ListBoxFaults() { return g_faults; }

void ResetListBoxes() { g_faults = CListBoxFaults(); }

}  // namespace host
