#include "HostTest.h"

#include "Framework/AfxMessageBox.h"
#include "Framework/CWinApp.h"
#include "Morvane/Morvane.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"

namespace {

HINSTANCE ExeInstance() { return GetModuleHandleA(nullptr); }

TEST_F(HostTest, TitleIsTheExecutableNameWithoutDirectoryOrExtension) {
  const struct {
    const char* pszPath;
    const char* pszTitle;
  } cases[] = {
      {"C:\\Program Files\\Morvane\\Morvane.exe", "Morvane"},
      {"D:\\tools\\check.tavrix.EXE", "check.tavrix"},
      {"C:\\dir.d\\NoExtension", "NoExtension"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    host::Reset();
    host::Kernel().strModuleFileName = c.pszPath;
    host::Kernel().dwPlatformId = VER_PLATFORM_WIN32s;  // refused at once: only the title matters here
    try {
      AfxWinMain(ExeInstance());
    } catch (const host::CProcessExit&) {
    }
    EXPECT_STREQ(theApp.m_strTitle, c.pszTitle);
  }
}

TEST_F(HostTest, ExceptionLeavingStartupIsReportedAndEndsWithExitCode3) {
  host::Kernel().strModuleFileName = "C:\\Setup\\Morvane.exe";
  host::Kernel().bVersionQueryFails = true;
  EXPECT_EQ(AfxWinMain(ExeInstance()), 3);
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  const host::CMessageBoxCall& box = host::MessageBoxes()[0];
  EXPECT_EQ(box.strText, "Internal Error: ID=Morvane-88");
  EXPECT_EQ(box.strCaption, "Morvane");
  EXPECT_EQ(box.uType, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(box.hWndOwner, nullptr);
}

TEST_F(HostTest, RefusalEndsTheProcessInsideTheEntryRoutine) {
  host::Kernel().dwPlatformId = VER_PLATFORM_WIN32_NT;
  host::Kernel().dwMajorVersion = 3;
  host::Kernel().dwMinorVersion = 51;
  try {
    AfxWinMain(ExeInstance());
    FAIL() << "the entry routine returned";
  } catch (const host::CProcessExit& exit) {
    EXPECT_EQ(exit.uExitCode, 1u);
  }
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  EXPECT_EQ(host::MessageBoxes()[0].strCaption, "Tavrix Requirements Checker.");
}

TEST_F(HostTest, AfxMessageBoxAddsTheDefaultIconAndTheTitle) {
  theApp.m_strTitle = "Morvane";
  const struct {
    UINT uType;
    UINT uShown;
  } cases[] = {
      {MB_OK, MB_OK | MB_ICONEXCLAMATION},
      {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
      {MB_YESNO, MB_YESNO | MB_ICONQUESTION},
      {MB_ICONSTOP, MB_ICONSTOP},
      {MB_ICONINFORMATION | MB_OK, MB_ICONINFORMATION | MB_OK},
  };
  for (const auto& c : cases) AfxMessageBox("text", c.uType);
  ASSERT_EQ(host::MessageBoxes().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(host::MessageBoxes()[i].uType, cases[i].uShown);
    EXPECT_EQ(host::MessageBoxes()[i].strCaption, "Morvane");
    EXPECT_EQ(host::MessageBoxes()[i].hWndOwner, nullptr);
  }
}

}  // namespace
