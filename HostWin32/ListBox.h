// Stand-in for the LISTBOX window class: strings with item data, sorted
// insertion, prefix search and the current item.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>
#include <vector>

#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define LBS_HASSTRINGS 0x0040L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define LBS_NOSEL 0x4000L

#define LB_ADDSTRING 0x0180
#define LB_RESETCONTENT 0x0184
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SELECTSTRING 0x018C
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A

#define LB_OKAY 0
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

namespace host {

struct CListBoxItem {
  std::string strText;
  ULONG_PTR nData;
};

struct CListBoxFaults {
  // LB_ADDSTRING calls since the reset, counted from 0, that fail with
  // LB_ERRSPACE and add nothing.
  std::vector<int> failingAdds;
  int nAddsSoFar = 0;
};

LRESULT ListBoxWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// The items of a list box, in list order.
const std::vector<CListBoxItem>& ListBoxItems(HWND hWnd);
CListBoxFaults& ListBoxFaults();
void ResetListBoxes();

}  // namespace host
