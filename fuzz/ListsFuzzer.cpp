// The user's preload list and the checker dialog's layout list on machines
// built from fuzz input, on either platform family: each returns normally or
// fails as the program defines it, leaves no handle or window open, and keeps
// its promises (preload order; each item names the layout its data points to).
#include "FuzzInput.h"
#include "HostWin32/Host.h"
#include "HostWin32/Win32.h"
#include "HostileMachine.h"
#include "Morvane/LayoutList.h"
#include "Morvane/PreloadList.h"
#include "ProgramOutcome.h"

#include <algorithm>
#include <cstdint>

namespace {

void CheckPreloadList() {
  std::vector<CPreloadEntry> list(1);
  const bool bRead = RunStep("preload list", [&] { ReadPreloadList(list); });
  ExpectNoLeaks("preload list");
  if (bRead && !std::is_sorted(list.begin(), list.end(), [](const CPreloadEntry& a, const CPreloadEntry& b) {
        return a.m_nOrder < b.m_nOrder;
      }))
    ReportFault("preload list", "not in preload order");
}

void CheckItems(HWND hList, const std::vector<CLayoutInfo>& layouts) {
  for (const host::CListBoxItem& item : host::ListBoxItems(hList)) {
    if (item.nData >= layouts.size()) ReportFault("layout list", "item data past the layouts: " + item.strText);
    if (item.strText != static_cast<LPCSTR>(layouts[item.nData].m_strLayoutText))
      ReportFault("layout list", "item text is not its layout's: " + item.strText);
  }
}

// The list box and check box of the checker dialog, filled as the dialog
// does when it opens and again after a click on the check box.
void CheckLayoutList(const CHostileMachine& machine) {
  HWND hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
  CListBox list;
  CButton showMore;
  list.m_hWnd = CreateWindowExA(0, "LISTBOX", "", 0x50A14103, 16, 102, 301, 81, hParent,
                                reinterpret_cast<HMENU>(1000), nullptr, nullptr);
  showMore.m_hWnd = CreateWindowExA(0, "BUTTON", "Show More", 0x50010003, 49, 195, 229, 16, hParent,
                                    reinterpret_cast<HMENU>(1026), nullptr, nullptr);
  if (machine.bShowMoreChecked) SendMessageA(showMore.m_hWnd, BM_SETCHECK, BST_CHECKED, 0);

  RunStep("layout list", [&] { FillLayoutList(list, showMore, machine.layouts); });
  CheckItems(list.m_hWnd, machine.layouts);
  if (IsWindowVisible(showMore.m_hWnd)) {
    SendMessageA(showMore.m_hWnd, BM_CLICK, 0, 0);
    RunStep("layout list after a click", [&] { FillLayoutList(list, showMore, machine.layouts); });
    CheckItems(list.m_hWnd, machine.layouts);
  }
  DestroyWindow(hParent);
  ExpectNoLeaks("layout list");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  host::Reset();
  CFuzzInput input(pData, nSize);
  const CHostileMachine machine = BuildHostileMachine(input);
  CheckPreloadList();
  CheckLayoutList(machine);
  return 0;
}
