// The framework's dialog layer on a probe dialog made from the About box's
// template: dispatch through the message map, the catch around handlers and
// its results, centring, data exchange, and the standard commands.
#include "HostTest.h"

#include "Framework/CDialog.h"
#include "Framework/CException.h"
#include "Framework/CWinApp.h"
#include "Morvane/resource.h"

#include "HostWin32/Dialog.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Windows.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// The framework's own application object: this test uses none of the program.
CWinApp g_app;

const UINT WM_PROBE = WM_USER + 1;
const UINT kProbeCommand = 2000;

// An exception with a text of its own, which counts its deletions.
class CTextException : public CException {
 public:
  explicit CTextException(const char* pszText) : m_pszText(pszText) {}
  ~CTextException() override { ++s_nDeleted; }
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) override {
    std::strncpy(lpszError, m_pszText, nMaxError - 1);
    lpszError[nMaxError - 1] = '\0';
    return TRUE;
  }
  static int s_nDeleted;

 private:
  const char* m_pszText;
};
int CTextException::s_nDeleted = 0;

enum class Raise { Nothing, TextException, TextlessException, OutOfMemory, Integer };

void RaiseNow(Raise raise) {
  switch (raise) {
    case Raise::Nothing:
      return;
    case Raise::TextException:
      throw new CTextException("The registry broke.");
    case Raise::TextlessException:
      throw new CException();
    case Raise::OutOfMemory:
      throw std::bad_alloc();
    case Raise::Integer:
      throw 42;
  }
}

class CProbeDlg : public CDialog {
 public:
  CProbeDlg() : CDialog(IDD_ABOUT) {}

  Raise m_raiseInInit = Raise::Nothing;
  Raise m_raiseInHandler = Raise::Nothing;
  bool m_bPlaceItself = false;
  CString m_strButton = "Go";  // exchanged with the OK button's text

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_bPlaceItself) SetWindowPos(m_hWnd, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RaiseNow(m_raiseInInit);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDOK, m_strButton); }
  const CMessageMap* GetMessageMap() const override {
    static const CMessageMapEntry kEntries[] = {
        OnMessage<&CProbeDlg::OnProbe>(WM_PROBE),
        OnMessage<&CProbeDlg::OnProbe>(WM_PAINT),
        OnMessage<&CProbeDlg::OnProbe>(WM_CREATE),
        OnCommand<&CProbeDlg::OnProbe>(BN_CLICKED, kProbeCommand),
        OnMessage<&CProbeDlg::OnSysCommand>(WM_SYSCOMMAND),
    };
    static const CMessageMap kMap = {&CDialog::GetThisMessageMap, kEntries, sizeof kEntries / sizeof kEntries[0]};
    return &kMap;
  }

 private:
  void OnProbe() { RaiseNow(m_raiseInHandler); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
};

class DialogFramework : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    CTextException::s_nDeleted = 0;
    g_app.m_strTitle = "Probe";
    g_app.m_hInstance = GetModuleHandleA(nullptr);
  }
  void TearDown() override {
    g_app.m_pMainWnd = nullptr;
    HostTest::TearDown();
  }

  // Runs the probe as the main window, with one step in its loop.
  INT_PTR Run(std::function<void(HWND)> step) {
    g_app.m_pMainWnd = &m_dlg;
    host::QueueModalStep(std::move(step));
    return m_dlg.DoModal();
  }

  CProbeDlg m_dlg;
};

struct CatchCase {
  const char* pszName;
  UINT nMessage;
  Raise raise;
  LRESULT lResult;
  const char* pszBoxText;  // null: no box
  UINT uBoxType;
};

class DialogFrameworkCatch : public DialogFramework, public ::testing::WithParamInterface<CatchCase> {};

TEST_P(DialogFrameworkCatch, ReportsWhatAHandlerThrowsAndGivesTheMessagesResult) {
  const CatchCase& c = GetParam();
  m_dlg.m_raiseInHandler = c.raise;
  LRESULT lResult = 12345;
  bool bValidated = false;
  EXPECT_EQ(Run([&](HWND hDlg) {
              host::Window(hDlg)->bNeedsPaint = true;
              const WPARAM wParam = c.nMessage == WM_COMMAND ? MAKEWPARAM(kProbeCommand, BN_CLICKED) : 0;
              lResult = SendMessageA(hDlg, c.nMessage, wParam, 0);
              bValidated = !host::Window(hDlg)->bNeedsPaint;
              EXPECT_TRUE(IsWindowVisible(hDlg));
              host::PressKey(hDlg, VK_ESCAPE);
            }),
            IDCANCEL);
  EXPECT_EQ(lResult, c.lResult);
  if (c.pszBoxText) {
    ASSERT_EQ(host::MessageBoxes().size(), 1u);
    const host::CMessageBoxCall& box = host::MessageBoxes()[0];
    EXPECT_EQ(box.strText, c.pszBoxText);
    EXPECT_EQ(box.uType, c.uBoxType);
    EXPECT_EQ(box.strCaption, "Probe");
    EXPECT_NE(box.hWndOwner, nullptr);
    EXPECT_EQ(host::Window(box.hWndOwner)->strText, "About Check Tavrix Requirements");
  } else {
    EXPECT_TRUE(host::MessageBoxes().empty());
  }
  if (c.nMessage == WM_PAINT) {
    EXPECT_TRUE(bValidated);
  }
  EXPECT_EQ(CTextException::s_nDeleted, c.raise == Raise::TextException ? 1 : 0);
}

const UINT kStop = MB_ICONSTOP;
const UINT kMemory = MB_ICONEXCLAMATION | MB_SYSTEMMODAL;

INSTANTIATE_TEST_SUITE_P(
    Messages, DialogFrameworkCatch,
    ::testing::Values(
        CatchCase{"NothingThrown", WM_PROBE, Raise::Nothing, 0, nullptr, 0},
        CatchCase{"Message", WM_PROBE, Raise::TextException, 0, "The registry broke.", kStop},
        CatchCase{"Command", WM_COMMAND, Raise::TextException, 1, "The registry broke.", kStop},
        CatchCase{"MessageWithoutText", WM_PROBE, Raise::TextlessException, 0, "Internal application error.", kStop},
        CatchCase{"CommandWithoutText", WM_COMMAND, Raise::TextlessException, 1, "Command failed.", kStop},
        CatchCase{"MessageOutOfMemory", WM_PROBE, Raise::OutOfMemory, 0, "Out of memory.", kMemory},
        CatchCase{"CommandOutOfMemory", WM_COMMAND, Raise::OutOfMemory, 1, "Out of memory.", kMemory},
        CatchCase{"MessageOtherThrow", WM_PROBE, Raise::Integer, 0, "Internal application error.", kStop},
        CatchCase{"CommandOtherThrow", WM_COMMAND, Raise::Integer, 1, "Command failed.", kStop},
        CatchCase{"Paint", WM_PAINT, Raise::TextException, 0, nullptr, 0},
        CatchCase{"Create", WM_CREATE, Raise::TextException, -1, nullptr, 0}),
    [](const ::testing::TestParamInfo<CatchCase>& info) { return std::string(info.param.pszName); });

TEST_F(DialogFramework, SuccessfulInitialisationCentresAndGivesTheFocus) {
  EXPECT_EQ(Run([&](HWND hDlg) {
              RECT rc;
              GetWindowRect(hDlg, &rc);
              // Centred to the pixel: the halves may round either way.
              const RECT& area = host::Screen().rcWorkArea;
              EXPECT_LE(std::abs(rc.left + rc.right - (area.left + area.right)), 1);
              EXPECT_LE(std::abs(rc.top + rc.bottom - (area.top + area.bottom)), 1);
              EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDOK));
              host::PressKey(hDlg, VK_ESCAPE);
            }),
            IDCANCEL);
}

TEST_F(DialogFramework, FailedInitialisationIsReportedWithoutCentringOrFocus) {
  m_dlg.m_raiseInInit = Raise::TextException;
  EXPECT_EQ(Run([&](HWND hDlg) {
              RECT rc;
              GetWindowRect(hDlg, &rc);
              EXPECT_EQ(rc.left, 0);
              EXPECT_EQ(rc.top, 0);
              EXPECT_EQ(GetFocus(), nullptr);
              EXPECT_TRUE(IsWindowVisible(hDlg));
              host::PressKey(hDlg, VK_ESCAPE);
            }),
            IDCANCEL);
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  EXPECT_EQ(host::MessageBoxes()[0].strText, "The registry broke.");
  EXPECT_EQ(CTextException::s_nDeleted, 1);
}

TEST_F(DialogFramework, ADialogThatPlacesItselfIsNotCentred) {
  m_dlg.m_bPlaceItself = true;
  EXPECT_EQ(Run([&](HWND hDlg) {
              RECT rc;
              GetWindowRect(hDlg, &rc);
              EXPECT_EQ(rc.left, 5);
              EXPECT_EQ(rc.top, 7);
              host::PressKey(hDlg, VK_ESCAPE);
            }),
            IDCANCEL);
}

TEST_F(DialogFramework, EnterSavesTheDataAndEndsWithOk) {
  EXPECT_EQ(Run([&](HWND hDlg) {
              HWND hButton = GetDlgItem(hDlg, IDOK);
              char szText[16] = "";
              GetWindowTextA(hButton, szText, sizeof szText);
              EXPECT_STREQ(szText, "Go");
              SetWindowTextA(hButton, "Gone");
              host::PressKey(hDlg, VK_RETURN);
            }),
            IDOK);
  EXPECT_STREQ(m_dlg.m_strButton, "Gone");
  EXPECT_EQ(m_dlg.m_hWnd, nullptr);
}

TEST_F(DialogFramework, EscapeEndsWithCancelAndSavesNothing) {
  EXPECT_EQ(Run([&](HWND hDlg) {
              SetWindowTextA(GetDlgItem(hDlg, IDOK), "Gone");
              host::PressKey(hDlg, VK_ESCAPE);
            }),
            IDCANCEL);
  EXPECT_STREQ(m_dlg.m_strButton, "Go");
}

TEST_F(DialogFramework, DefaultLeavesTheMessageToTheSystem) {
  EXPECT_EQ(Run([&](HWND hDlg) { SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
}

TEST_F(DialogFramework, MissingTemplateGivesMinusOne) {
  CDialog dlg(9999);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_TRUE(host::Windows().empty());
}

TEST_F(DialogFramework, LoadStringReadsTheProgramsStringTable) {
  CString str = "unchanged";
  EXPECT_FALSE(str.LoadString(9999));
  EXPECT_STREQ(str, "unchanged");
  EXPECT_TRUE(str.LoadString(IDS_ABOUT_ITEM));
  EXPECT_STREQ(str, "&About Morvane...");
}

}  // namespace
