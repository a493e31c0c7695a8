#include "HostTest.h"
#include "ThrownText.h"

#include "Morvane/PreloadList.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Registry.h"

#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<int, std::string>> Entries;

const char kPreload[] = "keyboard layout\\Preload";
const char kSubstitutes[] = "keyboard layout\\substitutes";

// An entry as the platform family stores it: a value on NT, a subkey with
// a default value on 9x.
void Put(const char* pszKey, const std::string& name, const std::string& text) {
  if (host::Kernel().dwPlatformId == VER_PLATFORM_WIN32_NT)
    host::SetRegString(HKEY_CURRENT_USER, pszKey, name, text);
  else
    host::SetRegString(HKEY_CURRENT_USER, std::string(pszKey) + "\\" + name, "", text);
}

Entries Read(std::vector<CPreloadEntry>& list) {
  ReadPreloadList(list);
  Entries entries;
  for (const CPreloadEntry& entry : list) entries.emplace_back(entry.m_nOrder, std::string(entry.m_strKeyName));
  return entries;
}

Entries Read() {
  std::vector<CPreloadEntry> list;
  return Read(list);
}

class PreloadList : public HostTest, public ::testing::WithParamInterface<DWORD> {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    host::Kernel().dwPlatformId = GetParam();
  }
};

TEST_P(PreloadList, SortsByTheNumberInTheName) {
  Put(kPreload, "10", "ten");
  Put(kPreload, "9", "nine");
  Put(kPreload, "2", "two");
  Put(kPreload, "-1", "minus one");
  Put(kPreload, "1", "one");
  Put(kPreload, "3a", "three");
  Put(kPreload, " 7", "seven");
  Put(kPreload, "+8", "eight");
  Put(kPreload, "x4", "no number");
  Put(kPreload, "-", "no number either");
  EXPECT_EQ(Read(), (Entries{{-1, "minus one"},
                             {1, "one"},
                             {2, "two"},
                             {3, "three"},
                             {7, "seven"},
                             {8, "eight"},
                             {9, "nine"},
                             {10, "ten"}}));
}

TEST_P(PreloadList, NumbersBeyondThirtyTwoBitsAreHeldAtTheEnds) {
  Put(kPreload, "99999999999", "huge");
  Put(kPreload, "2147483647", "largest");
  Put(kPreload, "-99999999999", "tiny");
  Put(kPreload, "0", "zero");
  const Entries entries = Read();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0], (std::pair<int, std::string>(-2147483647 - 1, "tiny")));
  EXPECT_EQ(entries[1], (std::pair<int, std::string>(0, "zero")));
  EXPECT_EQ(entries[2].first, 2147483647);
  EXPECT_EQ(entries[3].first, 2147483647);
}

TEST_P(PreloadList, EqualNumbersAreBothKeptSideBySide) {
  Put(kPreload, "1", "a");
  Put(kPreload, "2", "b");
  Put(kPreload, "01", "c");
  const Entries entries = Read();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].first, 1);
  EXPECT_EQ(entries[1].first, 1);
  EXPECT_NE(entries[0].second, entries[1].second);
  EXPECT_EQ(entries[2], (std::pair<int, std::string>(2, "b")));
}

TEST_P(PreloadList, ReplacesWhatTheListHeld) {
  Put(kPreload, "1", "00000409");
  std::vector<CPreloadEntry> list(3);
  EXPECT_EQ(Read(list), (Entries{{1, "00000409"}}));
}

TEST_P(PreloadList, SubstitutesApplyToEveryMatchIgnoringCase) {
  Put(kPreload, "1", "0000040c");
  Put(kPreload, "2", "00000409");
  Put(kPreload, "3", "0000040C");
  Put(kSubstitutes, "0000040C", "0001040c");
  Put(kSubstitutes, "00000407", "00010407");
  EXPECT_EQ(Read(), (Entries{{1, "0001040c"}, {2, "00000409"}, {3, "0001040c"}}));
}

// Substitutes come in enumeration order: creation order for values, sorted
// names for subkeys. Each applies to the list as the earlier ones left it.
TEST_P(PreloadList, ChainedSubstitutesFollowTheirOrder) {
  const struct {
    const char* pszFirst;
    const char* pszFirstTo;
    const char* pszSecond;
    const char* pszSecondTo;
    const char* pszResultNT;
    const char* pszResult9x;
  } cases[] = {
      {"a", "b", "b", "c", "c", "c"},  // A to B, then B to C
      {"b", "c", "a", "b", "b", "c"},  // B to C first: on NT A ends as B
      {"a", "b", "c", "d", "b", "b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pszFirst) + c.pszSecond);
    host::DeleteRegKeyTree(HKEY_CURRENT_USER, "keyboard layout");
    Put(kPreload, "1", "a");
    Put(kSubstitutes, c.pszFirst, c.pszFirstTo);
    Put(kSubstitutes, c.pszSecond, c.pszSecondTo);
    EXPECT_EQ(Read(), (Entries{{1, GetParam() == VER_PLATFORM_WIN32_NT ? c.pszResultNT : c.pszResult9x}}));
  }
}

TEST_P(PreloadList, MissingPreloadKeyThrowsWithTheListEmpty) {
  Put(kSubstitutes, "a", "b");
  std::vector<CPreloadEntry> list(2);
  EXPECT_EQ(ThrownText([&] { ReadPreloadList(list); }),
            "Problem with Windows Registry: Unable to open subkey: keyboard layout\\Preload");
  EXPECT_TRUE(list.empty());
}

TEST_P(PreloadList, SubstituteFailuresAreDroppedSilently) {
  const DWORD dwPlatformId = GetParam();
  const host::RegCall enumerate =
      dwPlatformId == VER_PLATFORM_WIN32_NT ? host::RegCall::EnumValue : host::RegCall::EnumKey;
  const struct {
    const char* pszName;
    void (*breakIt)(host::RegCall);
    Entries expected;
  } cases[] = {
      {"no substitutes key", [](host::RegCall) { host::DeleteRegKeyTree(HKEY_CURRENT_USER, kSubstitutes); },
       Entries{{1, "b"}, {2, "a"}}},
      {"substitutes key refused",
       [](host::RegCall) { host::DenyRegAccess(HKEY_CURRENT_USER, kSubstitutes, KEY_ALL_ACCESS); },
       Entries{{1, "b"}, {2, "a"}}},
      // The substitutes cursor is the second one built.
      {"cursor fails at once", [](host::RegCall) { host::FailRegCall(host::RegCall::QueryInfoKey, 2, 5); },
       Entries{{1, "b"}, {2, "a"}}},
      // The preload walk takes three enumerations; the substitutes' second fails.
      {"cursor fails on its way", [](host::RegCall call) { host::FailRegCall(call, 5, 5); },
       Entries{{1, "b"}, {2, "A2"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    host::Reset();
    host::Kernel().dwPlatformId = dwPlatformId;
    Put(kPreload, "2", "a");
    Put(kPreload, "1", "b");
    Put(kSubstitutes, "a", "A2");
    Put(kSubstitutes, "b", "B2");
    c.breakIt(enumerate);
    EXPECT_EQ(ThrownText([&] { EXPECT_EQ(Read(), c.expected); }), kNothingThrown);
    EXPECT_TRUE(host::MessageBoxes().empty());
    EXPECT_EQ(host::OpenRegKeys(), 0);
  }
}

TEST_P(PreloadList, PreloadWalkFailurePassesToTheCaller) {
  Put(kPreload, "2", "a");
  Put(kPreload, "1", "b");
  Put(kPreload, "3", "c");
  const bool bNT = GetParam() == VER_PLATFORM_WIN32_NT;
  host::FailRegCall(bNT ? host::RegCall::EnumValue : host::RegCall::EnumKey, 3, ERROR_NOT_ENOUGH_MEMORY);
  std::vector<CPreloadEntry> list;
  EXPECT_EQ(ThrownText([&] { ReadPreloadList(list); }),
            bNT ? "Internal Error: ID=Registry-176" : "Internal Error: ID=Registry-211");
  // Appended so far, unsorted: values come in creation order, subkeys sorted.
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].m_nOrder, bNT ? 2 : 1);
  EXPECT_EQ(list[1].m_nOrder, bNT ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Family, PreloadList, ::testing::Values(VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_WINDOWS),
                         [](const ::testing::TestParamInfo<DWORD>& info) {
                           return std::string(info.param == VER_PLATFORM_WIN32_NT ? "NT" : "Windows9x");
                         });

}  // namespace
