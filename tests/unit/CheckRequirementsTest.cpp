#include "HostTest.h"
#include "StartupRun.h"

#include "Morvane/MsgException.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Shell.h"

#include <algorithm>

namespace {

const char kTooOld[] = "Cannot install Tavrix on this version of Windows because it is too old.";
const char kNo64Bit[] = "Presently cannot install Tavrix on 64-bit Windows.";
const char kAll[] = "You have all requirements to install Tavrix.";
const char kConsonants[] =
    " will only support Hebrew consonants as described in the QuickStart Tutorial.  It will not support the vowels "
    "and symbols in the Advanced Tutorial.";
const char kHebrewMissingNT[] =
    "Hebrew is not currently installed.  To install Tavrix. you will need your Windows disk so that during Tavrix "
    "installation, you can install Hebrew support.";
const char kHebrewMissing9x[] =
    "Hebrew support is not installed in your Windows system.\nBefore installing Tavrix, you must install Hebrew "
    "support.\nDo you want help installing Hebrew support?";

void SetVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor) {
  host::Kernel().dwPlatformId = dwPlatformId;
  host::Kernel().dwMajorVersion = dwMajor;
  host::Kernel().dwMinorVersion = dwMinor;
}

bool Called(const std::string& call) {
  const auto& calls = host::Calls();
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

void ExpectRefusalBox(const char* pszText) {
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  const host::CMessageBoxCall& box = host::MessageBoxes()[0];
  EXPECT_EQ(box.hWndOwner, nullptr);
  EXPECT_EQ(box.strText, pszText);
  EXPECT_EQ(box.strCaption, "Tavrix Requirements Checker.");
  EXPECT_EQ(box.uType, static_cast<UINT>(MB_ICONERROR | MB_OK));
}

struct VerdictCase {
  const char* pszName;
  DWORD dwPlatformId, dwMajor, dwMinor;
  bool bRefused;
  std::string strExpected;  // the verdict, or the refusal box's text
};

class Verdict : public HostTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(Verdict, FollowsThePlatformFamilyAndVersion) {
  const VerdictCase& c = GetParam();
  SetVersion(c.dwPlatformId, c.dwMajor, c.dwMinor);
  CStartupOutcome outcome = RunChecks();
  if (c.bRefused) {
    EXPECT_TRUE(outcome.bExited);
    EXPECT_EQ(outcome.uExitCode, 1u);
    ExpectRefusalBox(c.strExpected.c_str());
  } else {
    EXPECT_FALSE(outcome.bExited);
    EXPECT_EQ(outcome.strVerdict, c.strExpected);
    EXPECT_TRUE(host::MessageBoxes().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Verdict,
    ::testing::Values(
        VerdictCase{"Windows95", 1, 4, 0, false,
                    std::string("Tavrix has not been tested on Windows 95.  Try at your own risk!\nAlso, Windows 95") +
                        kConsonants},
        VerdictCase{"Windows98", 1, 4, 10, false, std::string("Windows 98") + kConsonants},
        VerdictCase{"WindowsME", 1, 4, 90, false, std::string("Windows ME") + kConsonants},
        VerdictCase{"Windows9xUnknownMinor", 1, 4, 3, false,
                    std::string("Tavrix has not been tested on this version of Windows.  Try at your own risk.  "
                                "Also, this version of Windows") +
                        kConsonants},
        VerdictCase{"Windows9xMajorIgnored", 1, 7, 10, false, std::string("Windows 98") + kConsonants},
        VerdictCase{"NT351", 2, 3, 51, true, kTooOld},
        VerdictCase{"NT4", 2, 4, 0, false, kAll},
        VerdictCase{"NT5", 2, 5, 0, false, kAll},
        VerdictCase{"NT10", 2, 10, 0, false, kAll},
        VerdictCase{"Win32s", 0, 3, 10, true, kTooOld},
        VerdictCase{"UnknownPlatform", 3, 1, 0, false, kAll}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.pszName); });

TEST_F(HostTest, TooOldNTIsRefusedBeforeThe64BitAndHebrewChecks) {
  SetVersion(2, 3, 51);
  host::Kernel().bWow64Flag = TRUE;
  host::Kernel().nIsValidLanguageGroupResult = 0;
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  ExpectRefusalBox(kTooOld);
  EXPECT_EQ(host::LoadLibraryCalls("kernel32.dll"), 0);
}

TEST_F(HostTest, MissingImageHlpIsRefusedBeforeTheVersionQuery) {
  host::Kernel().modules.erase("imagehlp.dll");
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  EXPECT_EQ(outcome.uExitCode, 1u);
  ExpectRefusalBox(kTooOld);
  EXPECT_FALSE(Called("GetVersionExA"));
}

TEST_F(HostTest, ImageHlpWithoutCheckSumMappedFileIsRefusedBeforeTheVersionQuery) {
  host::Module("imagehlp.dll").functions.clear();
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  ExpectRefusalBox(kTooOld);
  EXPECT_FALSE(Called("GetVersionExA"));
}

TEST_F(HostTest, ImageHlpIsFreedAgainBeforeTheVersionQuery) {
  CStartupOutcome outcome = RunChecks();
  ASSERT_FALSE(outcome.bExited);
  const auto& calls = host::Calls();
  auto load = std::find(calls.begin(), calls.end(), "LoadLibraryExA(ImageHlp.dll,0)");
  auto version = std::find(calls.begin(), calls.end(), "GetVersionExA");
  ASSERT_NE(load, calls.end());
  ASSERT_NE(version, calls.end());
  EXPECT_EQ(std::find(load, version, "FreeLibrary") != version, true);
}

TEST_F(HostTest, Wow64IsRefusedBeforeTheHebrewCheck) {
  host::Kernel().bWow64Flag = TRUE;
  host::Kernel().nIsValidLanguageGroupResult = 0;
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  EXPECT_EQ(outcome.uExitCode, 1u);
  ExpectRefusalBox(kNo64Bit);
  EXPECT_EQ(host::Kernel().lastLanguageGroupAsked, 0u);
}

TEST_F(HostTest, FailedVersionQueryRaisesInternalError88) {
  host::Kernel().bVersionQueryFails = true;
  try {
    RunChecks();
    FAIL() << "no exception";
  } catch (CMsgException* e) {
    EXPECT_STREQ(e->GetText(), "Internal Error: ID=Morvane-88");
    e->Delete();
  }
}

TEST_F(HostTest, NTWithoutHebrewWarnsInTheVerdictOnly) {
  host::Kernel().nIsValidLanguageGroupResult = 0;
  CStartupOutcome outcome = RunChecks();
  EXPECT_FALSE(outcome.bExited);
  EXPECT_EQ(outcome.strVerdict, kHebrewMissingNT);
  EXPECT_TRUE(host::MessageBoxes().empty());
}

struct HebrewBoxCase {
  const char* pszName;
  DWORD dwPlatformId;
  int nAnswer;
  bool bHelpOpened;
};

class HebrewMissingBox : public HostTest, public ::testing::WithParamInterface<HebrewBoxCase> {};

TEST_P(HebrewMissingBox, EndsWithExitCode1AndOpensHelpOnlyOnYes) {
  const HebrewBoxCase& c = GetParam();
  SetVersion(c.dwPlatformId, 4, 10);
  host::Kernel().nIsValidLanguageGroupResult = 0;
  host::AnswerMessageBoxes({c.nAnswer});
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  EXPECT_EQ(outcome.uExitCode, 1u);
  ASSERT_EQ(host::MessageBoxes().size(), 1u);
  const host::CMessageBoxCall& box = host::MessageBoxes()[0];
  EXPECT_EQ(box.hWndOwner, nullptr);
  EXPECT_EQ(box.strText, kHebrewMissing9x);
  EXPECT_EQ(box.strCaption, "Tavrix Installation Failed");
  EXPECT_EQ(box.uType, 0x14u);
  if (c.bHelpOpened) {
    ASSERT_EQ(host::ShellExecutes().size(), 1u);
    const host::CShellExecuteCall& call = host::ShellExecutes()[0];
    EXPECT_EQ(call.hWnd, nullptr);
    EXPECT_EQ(call.strVerb, "open");
    EXPECT_EQ(call.strFile.rfind("https://", 0), 0u) << call.strFile;
    EXPECT_FALSE(call.bHasParameters);
    EXPECT_FALSE(call.bHasDirectory);
    EXPECT_EQ(call.nShowCmd, SW_SHOW);
  } else {
    EXPECT_TRUE(host::ShellExecutes().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, HebrewMissingBox,
                         ::testing::Values(HebrewBoxCase{"Windows98Yes", 1, IDYES, true},
                                           HebrewBoxCase{"Windows98No", 1, IDNO, false},
                                           HebrewBoxCase{"UnknownPlatformYes", 7, IDYES, true},
                                           HebrewBoxCase{"UnknownPlatformNo", 7, IDNO, false}),
                         [](const ::testing::TestParamInfo<HebrewBoxCase>& info) {
                           return std::string(info.param.pszName);
                         });

TEST_F(HostTest, CodePageFallbackShowsItsBoxBeforeTheHebrewBox) {
  SetVersion(1, 4, 0);
  host::Module("kernel32.dll").functions.erase("IsValidLanguageGroup");
  host::Kernel().validCodePages.erase(1255);
  host::AnswerMessageBoxes({IDOK, IDNO});
  CStartupOutcome outcome = RunChecks();
  EXPECT_TRUE(outcome.bExited);
  EXPECT_EQ(outcome.uExitCode, 1u);
  ASSERT_EQ(host::MessageBoxes().size(), 2u);
  EXPECT_EQ(host::MessageBoxes()[0].strText, "Invalid code page");
  EXPECT_EQ(host::MessageBoxes()[1].strText, kHebrewMissing9x);
}

}  // namespace
