// The checker dialog run as the program runs it: AfxWinMain, the start-up
// checks, then the dialog's modal loop, whose turns are the steps queued here.
#include "HostTest.h"
#include "LayoutMachine.h"

#include "Framework/CWnd.h"
#include "Morvane/Morvane.h"
#include "Morvane/resource.h"

#include "HostWin32/Dialog.h"
#include "HostWin32/Gdi.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Resources.h"
#include "HostWin32/Windows.h"

#include <cstdlib>

namespace {

const char kAll[] = "You have all requirements to install Tavrix.";
const char kPreloadMissing[] = "Problem with Windows Registry: Unable to open subkey: keyboard layout\\Preload";
const std::vector<std::string> kExamplePreload = {"00000419", "00000409", "0000040d"};

// The six example layouts as the catalogue lists them, sorted by key name:
// German 0, US 1, Hebrew 2, Russian 3, the second US 4, United States-International 5.
const std::vector<Item> kPreloadView = {{"Russian", 3}, {"US", 1}};
const std::vector<Item> kFullView = {{"German", 0}, {"United States-International", 5}, {"US", 1}};

std::string Text(HWND hWnd) {
  char szText[512] = "";
  GetWindowTextA(hWnd, szText, sizeof szText);
  return szText;
}

class CheckerDialog : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    InstallLayouts(kSixLayouts);
    SetPreload(kExamplePreload);
  }

  static int Run() { return AfxWinMain(GetModuleHandleA(nullptr)); }
  static HWND List(HWND hDlg) { return GetDlgItem(hDlg, IDC_LAYOUT_LIST); }
  static HWND ShowMore(HWND hDlg) { return GetDlgItem(hDlg, IDC_SHOW_MORE); }
  static HICON ProgramIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CHECKER)); }
};

TEST_F(CheckerDialog, OpensCentredWithTheVerdictThePreloadViewAndTheIcons) {
  bool bRan = false;
  host::QueueModalStep([&](HWND hDlg) {
    bRan = true;
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_EQ(Text(hDlg), "Tavrix Requirements Checker");
    EXPECT_EQ(Text(GetDlgItem(hDlg, IDC_MESSAGE_TEXT)), kAll);
    EXPECT_EQ(Items(List(hDlg)), kPreloadView);
    EXPECT_EQ(CurSel(List(hDlg)), 0);
    EXPECT_TRUE(IsWindowVisible(ShowMore(hDlg)));
    EXPECT_EQ(SendMessageA(ShowMore(hDlg), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetFocus(), List(hDlg));

    RECT rcDlg;
    GetWindowRect(hDlg, &rcDlg);
    const RECT& rcArea = host::Screen().rcWorkArea;
    EXPECT_LE(std::abs(rcDlg.left + rcDlg.right - (rcArea.left + rcArea.right)), 1);
    EXPECT_LE(std::abs(rcDlg.top + rcDlg.bottom - (rcArea.top + rcArea.bottom)), 1);

    EXPECT_NE(ProgramIcon(), nullptr);
    EXPECT_EQ(host::Window(hDlg)->hIconBig, ProgramIcon());
    EXPECT_EQ(host::Window(hDlg)->hIconSmall, ProgramIcon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hDlg, WM_QUERYDRAGICON, 0, 0)), ProgramIcon());
    EXPECT_EQ(theApp.m_pMainWnd->m_hWnd, hDlg);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(bRan);
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
  EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(CheckerDialog, ShowsATwoLineVerdictCharacterForCharacter) {
  host::Kernel().dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
  host::Kernel().dwMinorVersion = 0;
  std::string shown;
  host::QueueModalStep([&](HWND hDlg) {
    shown = Text(GetDlgItem(hDlg, IDC_MESSAGE_TEXT));
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(shown,
            "Tavrix has not been tested on Windows 95.  Try at your own risk!\nAlso, Windows 95 will only support "
            "Hebrew consonants as described in the QuickStart Tutorial.  It will not support the vowels and symbols "
            "in the Advanced Tutorial.");
}

TEST_F(CheckerDialog, EachClickOfTheCheckBoxRefillsTheList) {
  host::QueueModalStep([&](HWND hDlg) {
    SendMessageA(ShowMore(hDlg), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(ShowMore(hDlg), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Items(List(hDlg)), kFullView);
    EXPECT_EQ(CurSel(List(hDlg)), 2);
    SendMessageA(ShowMore(hDlg), BM_CLICK, 0, 0);
    EXPECT_EQ(Items(List(hDlg)), kPreloadView);
    EXPECT_EQ(CurSel(List(hDlg)), 0);
    EXPECT_EQ(Text(GetDlgItem(hDlg, IDC_MESSAGE_TEXT)), kAll);
    host::PressKey(hDlg, VK_RETURN);
  });
  EXPECT_EQ(Run(), 0);
}

struct CloseCase {
  const char* pszName;
  std::function<void(HWND)> close;
};

class CheckerDialogClose : public CheckerDialog, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CheckerDialogClose, EndsTheProgramWithExitCode0) {
  host::QueueModalStep(GetParam().close);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(host::Windows().empty());
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CheckerDialogClose,
    ::testing::Values(CloseCase{"Enter", [](HWND hDlg) { host::PressKey(hDlg, VK_RETURN); }},
                      CloseCase{"Escape", [](HWND hDlg) { host::PressKey(hDlg, VK_ESCAPE); }},
                      CloseCase{"CloseCommand", [](HWND hDlg) { SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.pszName); });

void ExpectPreloadFailureBox(HWND hDlg) {
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  const host::CMessageBoxCall& box = host::MessageBoxes()[0];
  EXPECT_EQ(box.strText, kPreloadMissing);
  EXPECT_EQ(box.strCaption, "Morvane");
  EXPECT_EQ(box.uType, static_cast<UINT>(MB_ICONSTOP | MB_OK));
  EXPECT_EQ(box.hWndOwner, hDlg);
}

TEST_F(CheckerDialog, PreloadFailureWhileOpeningIsReportedAndTheDialogOpensUncentred) {
  host::DeleteRegKeyTree(HKEY_CURRENT_USER, "keyboard layout\\Preload");
  host::QueueModalStep([&](HWND hDlg) {
    ExpectPreloadFailureBox(hDlg);
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_EQ(Text(GetDlgItem(hDlg, IDC_MESSAGE_TEXT)), kAll);
    EXPECT_TRUE(Items(List(hDlg)).empty());
    EXPECT_TRUE(IsWindowVisible(ShowMore(hDlg)));
    EXPECT_EQ(SendMessageA(ShowMore(hDlg), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The steps before the filling were done; centring and focus were not.
    EXPECT_EQ(host::Window(hDlg)->hIconBig, ProgramIcon());
    EXPECT_EQ(GetMenuItemID(GetSystemMenu(hDlg, FALSE), GetMenuItemCount(GetSystemMenu(hDlg, FALSE)) - 1),
              static_cast<UINT>(IDM_ABOUT));
    RECT rcDlg;
    GetWindowRect(hDlg, &rcDlg);
    EXPECT_EQ(rcDlg.left, 0);
    EXPECT_EQ(rcDlg.top, 0);
    EXPECT_EQ(GetFocus(), nullptr);

    // A later click tries again.
    SetPreload(kExamplePreload);
    SendMessageA(ShowMore(hDlg), BM_CLICK, 0, 0);
    EXPECT_EQ(Items(List(hDlg)), kFullView);
    EXPECT_EQ(host::MessageBoxes().size(), 1u);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

TEST_F(CheckerDialog, PreloadFailureOnAClickIsReportedAndTheDialogStaysOpen) {
  host::QueueModalStep([&](HWND hDlg) {
    host::DeleteRegKeyTree(HKEY_CURRENT_USER, "keyboard layout\\Preload");
    SendMessageA(ShowMore(hDlg), BM_CLICK, 0, 0);
    ExpectPreloadFailureBox(hDlg);
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_TRUE(Items(List(hDlg)).empty());
    EXPECT_TRUE(IsWindowVisible(ShowMore(hDlg)));
    EXPECT_EQ(SendMessageA(ShowMore(hDlg), BM_GETCHECK, 0, 0), BST_CHECKED);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

TEST_F(CheckerDialog, WithoutAConvertiblePreloadedLayoutTheCheckBoxIsHidden) {
  SetPreload({"0000040d", "00000419"});
  host::QueueModalStep([&](HWND hDlg) {
    EXPECT_FALSE(IsWindowVisible(ShowMore(hDlg)));
    EXPECT_EQ(Items(List(hDlg)), kFullView);
    EXPECT_EQ(CurSel(List(hDlg)), LB_ERR);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

TEST_F(CheckerDialog, MissingCatalogueIsReportedAndEndsWithExitCode3) {
  host::DeleteRegKeyTree(HKEY_LOCAL_MACHINE, "system\\currentcontrolset\\control\\keyboard layouts");
  EXPECT_EQ(Run(), 3);
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  const host::CMessageBoxCall& box = host::MessageBoxes()[0];
  EXPECT_EQ(box.strText,
            "Problem with Windows Registry: Unable to open subkey: system\\currentcontrolset\\control\\keyboard layouts");
  EXPECT_EQ(box.strCaption, "Morvane");
  EXPECT_EQ(box.uType, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(box.hWndOwner, nullptr);
  EXPECT_TRUE(host::SentMessages().empty());
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

struct PaintCase {
  LONG cxClient, cyClient;
  int x, y;
};

class CheckerDialogPaint : public CheckerDialog, public ::testing::WithParamInterface<PaintCase> {};

// Minimised, the icon is drawn at ((width - cxIcon + 1) / 2, (height -
// cyIcon + 1) / 2), the division truncating toward zero.
TEST_P(CheckerDialogPaint, DrawsTheIconCentredWhenMinimised) {
  const PaintCase& c = GetParam();
  host::QueueModalStep([&](HWND hDlg) {
    ShowWindow(hDlg, SW_MINIMIZE);
    SetWindowPos(hDlg, nullptr, 0, 0, c.cxClient, c.cyClient, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(hDlg, WM_PAINT, 0, 0);
    ASSERT_EQ(host::DrawnIcons().size(), 1u);
    const host::CDrawnIcon& drawn = host::DrawnIcons()[0];
    EXPECT_EQ(drawn.hWnd, hDlg);
    EXPECT_EQ(drawn.x, c.x);
    EXPECT_EQ(drawn.y, c.y);
    EXPECT_EQ(drawn.hIcon, ProgramIcon());
    EXPECT_EQ(CountSent(hDlg, WM_ICONERASEBKGND), 1);
    for (const host::CSentMessage& sent : host::SentMessages())
      if (sent.nMessage == WM_ICONERASEBKGND) {
        EXPECT_EQ(reinterpret_cast<HDC>(sent.wParam), drawn.hDC);
      }
    EXPECT_EQ(host::OpenPaintContexts(), 0);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CheckerDialogPaint,
                         ::testing::Values(PaintCase{36, 36, 2, 2}, PaintCase{30, 30, 0, 0},
                                           PaintCase{33, 40, 1, 4}, PaintCase{20, 31, -5, 0}));

TEST_F(CheckerDialog, PaintsNothingOfItsOwnWhenNotMinimised) {
  host::QueueModalStep([&](HWND hDlg) {
    ASSERT_TRUE(host::Window(hDlg)->bNeedsPaint);
    SendMessageA(hDlg, WM_PAINT, 0, 0);
    EXPECT_TRUE(host::DrawnIcons().empty());
    EXPECT_EQ(CountSent(hDlg, WM_ICONERASEBKGND), 0);
    EXPECT_FALSE(host::Window(hDlg)->bNeedsPaint);  // the default processing painted it
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

TEST_F(CheckerDialog, WithoutItsIconTheDialogRunsWithANullIcon) {
  host::HideResource(RT_GROUP_ICON, IDI_CHECKER);
  host::QueueModalStep([&](HWND hDlg) {
    EXPECT_EQ(CountSent(hDlg, WM_SETICON), 2);
    EXPECT_EQ(host::Window(hDlg)->hIconBig, nullptr);
    EXPECT_EQ(SendMessageA(hDlg, WM_QUERYDRAGICON, 0, 0), 0);
    EXPECT_EQ(Items(List(hDlg)), kPreloadView);
    host::PressKey(hDlg, VK_ESCAPE);
  });
  EXPECT_EQ(Run(), 0);
}

}  // namespace
