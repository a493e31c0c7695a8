// What the About item relies on from the system menu, and what the stand-in
// imitates: a window with WS_SYSMENU has a system menu of its own that holds
// the standard commands, items appended to it come last, and the same menu
// comes back on every request; a window without WS_SYSMENU has none. The
// default processing of the Close command sends WM_CLOSE.
#include "Scratch.h"
#include "TestWindow.h"

#include <string>

namespace {

const DWORD kCheckerStyle = 0x80C800C0;  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT

using SystemMenu = ContractTest;

std::string ItemText(HMENU hMenu, int nPos) {
  char szText[64] = "";
  GetMenuStringA(hMenu, static_cast<UINT>(nPos), szText, sizeof szText, MF_BYPOSITION);
  return szText;
}

TEST_F(SystemMenu, AppendedItemsComeLast) {
  TestWindow window(kCheckerStyle);
  HMENU hMenu = GetSystemMenu(window.m_hWnd, FALSE);
  ASSERT_NE(hMenu, nullptr);
  const int n = GetMenuItemCount(hMenu);
  ASSERT_GE(n, 1);
  EXPECT_NE(GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(hMenu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));

  EXPECT_TRUE(AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(AppendMenuA(hMenu, MF_STRING, 16, "&About Morvane..."));
  EXPECT_EQ(GetMenuItemCount(hMenu), n + 2);
  EXPECT_EQ(GetMenuState(hMenu, static_cast<UINT>(n), MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(ItemText(hMenu, n), "");
  EXPECT_EQ(GetMenuItemID(hMenu, n + 1), 16u);
  EXPECT_EQ(ItemText(hMenu, n + 1), "&About Morvane...");
  EXPECT_EQ(GetMenuItemID(hMenu, n + 2), static_cast<UINT>(-1));

  HMENU hAgain = GetSystemMenu(window.m_hWnd, FALSE);
  EXPECT_EQ(hAgain, hMenu);
  EXPECT_EQ(GetMenuItemCount(hAgain), n + 2);
}

TEST_F(SystemMenu, WindowWithoutSysMenuStyleHasNone) {
  TestWindow window(WS_POPUP | WS_CAPTION);
  EXPECT_EQ(GetSystemMenu(window.m_hWnd, FALSE), nullptr);
}

TEST_F(SystemMenu, DefaultProcessingOfCloseSendsWmClose) {
  TestWindow window(kCheckerStyle);
  DefWindowProcA(window.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(window.m_nCloses, 1);
  EXPECT_TRUE(IsWindow(window.m_hWnd));
}

}  // namespace
