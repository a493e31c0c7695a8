// The About item of the checker dialog's system menu and the About box it
// opens, with the program running as it does: AfxWinMain and the dialog's
// modal loop, whose turns are the steps queued here.
#include "HostTest.h"
#include "LayoutMachine.h"

#include "Morvane/Morvane.h"
#include "Morvane/resource.h"

#include "HostWin32/Dialog.h"
#include "HostWin32/Menu.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Resources.h"
#include "HostWin32/Windows.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

std::string Text(HWND hWnd) {
  char szText[256] = "";
  GetWindowTextA(hWnd, szText, sizeof szText);
  return szText;
}

std::vector<UINT> MenuIds(HMENU hMenu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(hMenu); ++i) ids.push_back(GetMenuItemID(hMenu, i));
  return ids;
}

// Dialog windows open now, the checker dialog included.
int OpenDialogs() {
  int n = 0;
  for (HWND hWnd : host::Windows())
    if (host::Window(hWnd)->strClass == "#32770") ++n;
  return n;
}

class AboutBox : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    InstallLayouts(kSixLayouts);
    SetPreload({"00000409"});
  }

  // Runs the program with one step in the checker dialog's loop, which ends
  // the dialog after it.
  static void RunWithChecker(std::function<void(HWND)> step) {
    host::QueueModalStep([step](HWND hDlg) {
      step(hDlg);
      host::PressKey(hDlg, VK_ESCAPE);
    });
    EXPECT_EQ(AfxWinMain(GetModuleHandleA(nullptr)), 0);
  }
};

TEST_F(AboutBox, SystemMenuEndsWithASeparatorAndTheAboutItem) {
  RunWithChecker([](HWND hDlg) {
    HMENU hMenu = GetSystemMenu(hDlg, FALSE);
    const int n = GetMenuItemCount(hMenu);
    ASSERT_GE(n, 3);
    EXPECT_EQ(GetMenuState(hMenu, static_cast<UINT>(n - 2), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(hMenu, n - 1), static_cast<UINT>(IDM_ABOUT));
    char szItem[64] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(n - 1), szItem, sizeof szItem, MF_BYPOSITION);
    EXPECT_STREQ(szItem, "&About Morvane...");
    // The standard items stay before them.
    std::vector<UINT> ids = MenuIds(hMenu);
    EXPECT_NE(std::find(ids.begin(), ids.end() - 2, static_cast<UINT>(SC_CLOSE)), ids.end() - 2);
    EXPECT_NE(std::find(ids.begin(), ids.end() - 2, static_cast<UINT>(SC_MOVE)), ids.end() - 2);
  });
}

TEST_F(AboutBox, WithoutItsTextTheMenuGetsNeitherSeparatorNorItem) {
  host::HideResource(RT_STRING, (IDS_ABOUT_ITEM >> 4) + 1);
  RunWithChecker([](HWND hDlg) {
    HMENU hMenu = GetSystemMenu(hDlg, FALSE);
    EXPECT_EQ(GetMenuItemID(hMenu, GetMenuItemCount(hMenu) - 1), static_cast<UINT>(SC_CLOSE));
    EXPECT_EQ(GetMenuState(hMenu, IDM_ABOUT, MF_BYCOMMAND), static_cast<UINT>(-1));
  });
  EXPECT_TRUE(host::MessageBoxes().empty());
}

class AboutBoxCommand : public AboutBox, public ::testing::WithParamInterface<WPARAM> {};

// The four low bits of the command do not count, nor do those above the
// sixteenth. The About box is owned by the checker dialog, which it
// disables while it is open, and centred over it.
TEST_P(AboutBoxCommand, OpensTheAboutBoxOverTheCheckerDialog) {
  HWND hChecker = nullptr;
  HWND hAbout = nullptr;
  host::QueueModalStep([&](HWND hDlg) {
    hChecker = hDlg;
    SendMessageA(hDlg, WM_SYSCOMMAND, GetParam(), 0);
    EXPECT_TRUE(IsWindowEnabled(hDlg));
    EXPECT_FALSE(IsWindow(hAbout));
    host::PressKey(hDlg, VK_ESCAPE);
  });
  host::QueueModalStep([&](HWND hDlg) {
    hAbout = hDlg;
    EXPECT_EQ(Text(hDlg), "About Check Tavrix Requirements");
    EXPECT_EQ(GetWindow(hDlg, GW_OWNER), hChecker);
    EXPECT_FALSE(IsWindowEnabled(hChecker));
    RECT rcAbout, rcChecker;
    GetWindowRect(hDlg, &rcAbout);
    GetWindowRect(hChecker, &rcChecker);
    EXPECT_EQ(rcAbout.left + rcAbout.right - (rcChecker.left + rcChecker.right), 0);
    EXPECT_LE(std::abs(rcAbout.top + rcAbout.bottom - (rcChecker.top + rcChecker.bottom)), 1);
    host::PressKey(hDlg, VK_RETURN);
  });
  EXPECT_EQ(AfxWinMain(GetModuleHandleA(nullptr)), 0);
  EXPECT_NE(hAbout, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Commands, AboutBoxCommand, ::testing::Values(16, 17, 31, 0x10010));

TEST_F(AboutBox, OtherSystemCommandsKeepTheirUsualEffect) {
  RunWithChecker([](HWND hDlg) {
    for (WPARAM command : {WPARAM{15}, WPARAM{32}, WPARAM{SC_MOVE}, WPARAM{SC_MINIMIZE}}) {
      SCOPED_TRACE(command);
      SendMessageA(hDlg, WM_SYSCOMMAND, command, 0);
      EXPECT_EQ(OpenDialogs(), 1);
    }
    // Only the standard commands have a default effect.
    EXPECT_EQ(host::Window(hDlg)->carriedOutSystemCommands, (std::vector<UINT>{SC_MOVE, SC_MINIMIZE}));
    EXPECT_TRUE(IsIconic(hDlg));
  });
}

struct AboutCloseCase {
  const char* pszName;
  std::function<void(HWND)> close;
};

class AboutBoxClose : public AboutBox, public ::testing::WithParamInterface<AboutCloseCase> {};

TEST_P(AboutBoxClose, LeavesTheCheckerDialogOpenAndUnchanged) {
  std::vector<Item> before;
  host::QueueModalStep([&](HWND hDlg) {
    before = Items(GetDlgItem(hDlg, IDC_LAYOUT_LIST));
    SendMessageA(hDlg, WM_SYSCOMMAND, IDM_ABOUT, 0);
    EXPECT_EQ(OpenDialogs(), 1);
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_TRUE(IsWindowEnabled(hDlg));
    EXPECT_EQ(Items(GetDlgItem(hDlg, IDC_LAYOUT_LIST)), before);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  host::QueueModalStep(GetParam().close);
  EXPECT_EQ(AfxWinMain(GetModuleHandleA(nullptr)), 0);
  EXPECT_FALSE(before.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxClose,
    ::testing::Values(
        AboutCloseCase{"OkButton", [](HWND hDlg) { SendMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0); }},
        AboutCloseCase{"Enter", [](HWND hDlg) { host::PressKey(hDlg, VK_RETURN); }},
        AboutCloseCase{"Escape", [](HWND hDlg) { host::PressKey(hDlg, VK_ESCAPE); }},
        AboutCloseCase{"CloseCommand", [](HWND hDlg) { SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const ::testing::TestParamInfo<AboutCloseCase>& info) { return std::string(info.param.pszName); });

TEST_F(AboutBox, ChoosingTheItemAgainOpensANewBox) {
  std::vector<HWND> boxes;
  auto closeBox = [&](HWND hDlg) {
    boxes.push_back(hDlg);
    host::PressKey(hDlg, VK_ESCAPE);
  };
  host::QueueModalStep([&](HWND hDlg) {
    SendMessageA(hDlg, WM_SYSCOMMAND, IDM_ABOUT, 0);
    SendMessageA(hDlg, WM_SYSCOMMAND, IDM_ABOUT, 0);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  host::QueueModalStep(closeBox);
  host::QueueModalStep(closeBox);
  EXPECT_EQ(AfxWinMain(GetModuleHandleA(nullptr)), 0);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0], boxes[1]);
}

}  // namespace
