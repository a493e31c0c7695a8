#include "HostTest.h"

#include "Morvane/Probes.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"

#include <algorithm>

namespace {

TEST_F(HostTest, IsWindowsNTOnlyForPlatformId2) {
  for (DWORD dwPlatformId : {0u, 1u, 2u, 3u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(dwPlatformId);
    host::Kernel().dwPlatformId = dwPlatformId;
    EXPECT_EQ(IsWindowsNT(), dwPlatformId == 2);
  }
}

struct Wow64Case {
  bool bPresent;
  BOOL bCallResult;
  BOOL bFlag;
  bool bExpected;
};

TEST_F(HostTest, IsRunningOnWow64AnswersTable) {
  const Wow64Case cases[] = {
      {false, TRUE, TRUE, false},  // absent: never asked
      {true, FALSE, TRUE, false},  // the call fails
      {true, TRUE, FALSE, false},  // a 32-bit system
      {true, TRUE, TRUE, true},    {true, TRUE, 2, true},
  };
  FARPROC pfnReal = host::Module("kernel32.dll").functions["IsWow64Process"];
  for (const Wow64Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bPresent << c.bCallResult << c.bFlag);
    if (c.bPresent)
      host::Module("kernel32.dll").functions["IsWow64Process"] = pfnReal;
    else
      host::Module("kernel32.dll").functions.erase("IsWow64Process");
    host::Kernel().bIsWow64ProcessResult = c.bCallResult;
    host::Kernel().bWow64Flag = c.bFlag;
    EXPECT_EQ(IsRunningOnWow64(), c.bExpected);
    EXPECT_EQ(host::LoadedModuleReferences(), 0);
  }
}

TEST_F(HostTest, IsRunningOnWow64IsFalseWhenKernel32CannotBeLoaded) {
  host::Module("kernel32.dll").bLoadable = false;
  host::Kernel().bWow64Flag = TRUE;
  EXPECT_FALSE(IsRunningOnWow64());
}

struct HebrewCase {
  const char* pszName;
  bool bLanguageGroupPresent;
  BOOL nLanguageGroupResult;
  bool bCodePageValid;
  bool bExpected;
  bool bBoxShown;
  bool bCodePageAsked;
};

class HebrewProbe : public HostTest, public ::testing::WithParamInterface<HebrewCase> {};

TEST_P(HebrewProbe, Answers) {
  const HebrewCase& c = GetParam();
  if (!c.bLanguageGroupPresent) host::Module("kernel32.dll").functions.erase("IsValidLanguageGroup");
  host::Kernel().nIsValidLanguageGroupResult = c.nLanguageGroupResult;
  if (!c.bCodePageValid) host::Kernel().validCodePages.erase(1255);

  EXPECT_EQ(IsHebrewInstalled(), c.bExpected);

  const auto& calls = host::Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "IsValidCodePage(1255)") == 1, c.bCodePageAsked);
  if (c.bLanguageGroupPresent) {
    EXPECT_EQ(host::Kernel().lastLanguageGroupAsked, 12u);
    EXPECT_EQ(host::Kernel().lastLanguageGroupFlags, 1u);
  }
  if (c.bBoxShown) {
    ASSERT_EQ(host::MessageBoxes().size(), 1u);
    const host::CMessageBoxCall& box = host::MessageBoxes()[0];
    EXPECT_EQ(box.strText, "Invalid code page");
    EXPECT_EQ(box.hWndOwner, nullptr);
    EXPECT_EQ(box.uType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  } else {
    EXPECT_TRUE(host::MessageBoxes().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HebrewProbe,
    ::testing::Values(HebrewCase{"GroupInstalled", true, 1, false, true, false, false},
                      HebrewCase{"GroupNotInstalled", true, 0, true, false, false, false},
                      HebrewCase{"GroupOtherNonzero", true, 2, true, false, false, false},
                      HebrewCase{"GroupNegative", true, -1, true, false, false, false},
                      HebrewCase{"NoGroupCodePageValid", false, 1, true, true, false, true},
                      HebrewCase{"NoGroupCodePageInvalid", false, 1, false, false, true, true}),
    [](const ::testing::TestParamInfo<HebrewCase>& info) { return std::string(info.param.pszName); });

TEST_F(HostTest, HebrewProbeFallsBackToTheCodePageWhenKernel32CannotBeLoaded) {
  host::Module("kernel32.dll").bLoadable = false;
  EXPECT_TRUE(IsHebrewInstalled());
  EXPECT_EQ(host::Kernel().lastLanguageGroupAsked, 0u);
}

}  // namespace
