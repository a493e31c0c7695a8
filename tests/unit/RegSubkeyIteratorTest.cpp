#include "HostTest.h"
#include "ThrownText.h"

#include "Common/Registry.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/Registry.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Entries;

const char kPath[] = "keyboard layout\\Preload";

Entries Walk(CRegIterator& cursor) {
  Entries entries;
  for (; !cursor.IsDone(); cursor.Next())
    entries.emplace_back(std::string(cursor.GetName()), std::string(cursor.GetValue()));
  return entries;
}

// A subkey of the walked key with a string default value.
void Entry(const std::string& name, const std::string& text) {
  host::SetRegString(HKEY_CURRENT_USER, std::string(kPath) + "\\" + name, "", text);
}

class RegSubkeyIterator : public HostTest {};

TEST_F(RegSubkeyIterator, PresentsReadableSubkeysSortedByName) {
  Entry("b", "0000040c");
  Entry("A", "00000409");
  Entry("10", "00000407");
  Entry("9", "00000410");
  // Values of the walked key itself are not entries.
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "not an entry");
  CRegSubkeyIterator cursor(kPath);
  EXPECT_EQ(Walk(cursor), (Entries{{"10", "00000407"}, {"9", "00000410"}, {"A", "00000409"}, {"b", "0000040c"}}));
}

TEST_F(RegSubkeyIterator, PassesOverSubkeysWithoutAStringDefault) {
  const std::string path = kPath;
  Entry("1", "first");
  host::SetRegString(HKEY_CURRENT_USER, path + "\\2", "named", "but no default value");
  Entry("3", "third");
  host::SetRegDword(HKEY_CURRENT_USER, path + "\\4", "", 0x409);
  host::CreateRegKey(HKEY_CURRENT_USER, path + "\\5");
  Entry("6", "locked");
  host::DenyRegAccess(HKEY_CURRENT_USER, path + "\\6", KEY_ALL_ACCESS);
  Entry("7", "read only");
  host::DenyRegAccess(HKEY_CURRENT_USER, path + "\\7", KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE);
  Entry("8", "eighth");
  host::SetRegValue(HKEY_CURRENT_USER, path + "\\9", "", REG_EXPAND_SZ, {'x', 0});

  CRegSubkeyIterator cursor(kPath);
  EXPECT_EQ(Walk(cursor), (Entries{{"1", "first"}, {"3", "third"}, {"7", "read only"}, {"8", "eighth"}}));
}

TEST_F(RegSubkeyIterator, IsDoneAtOnceWhenNoSubkeyCanBeRead) {
  host::CreateRegKey(HKEY_CURRENT_USER, std::string(kPath) + "\\1");
  CRegSubkeyIterator cursor(kPath);
  EXPECT_TRUE(cursor.IsDone());
  EXPECT_STREQ(cursor.GetName(), "");
}

TEST_F(RegSubkeyIterator, SubkeyWhoseDefaultCannotBeQueriedIsPassedOver) {
  Entry("1", "first");
  Entry("2", "second");
  // The query of the first subkey's default value fails.
  host::FailRegCall(host::RegCall::QueryValue, 1, ERROR_NOT_ENOUGH_MEMORY);
  CRegSubkeyIterator cursor(kPath);
  EXPECT_EQ(Walk(cursor), (Entries{{"2", "second"}}));
}

TEST_F(RegSubkeyIterator, KeepsOnlyItsOwnKeyOpenBetweenSteps) {
  Entry("1", "first");
  Entry("2", "second");
  CRegSubkeyIterator cursor(kPath);
  EXPECT_EQ(host::OpenRegKeys(), 1);
  cursor.Next();
  EXPECT_EQ(host::OpenRegKeys(), 1);
}

struct FaultCase {
  const char* pszName;
  host::RegCall call;
  const char* pszText;
};

class RegSubkeyIteratorConstruction : public HostTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RegSubkeyIteratorConstruction, RaisesTheInternalErrorAndClosesTheKey) {
  const FaultCase& c = GetParam();
  Entry("1", "00000409");
  host::FailRegCall(c.call, 1, ERROR_INVALID_HANDLE);
  EXPECT_EQ(ThrownText([] { CRegSubkeyIterator cursor(kPath); }), c.pszText);
  EXPECT_EQ(host::OpenRegKeys(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegSubkeyIteratorConstruction,
    ::testing::Values(FaultCase{"QueryInfoKey", host::RegCall::QueryInfoKey, "Internal Error: ID=Registry-191"},
                      FaultCase{"EnumKey", host::RegCall::EnumKey, "Internal Error: ID=Registry-211"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.pszName); });

TEST_F(RegSubkeyIterator, EnumerationFailureInNextLeavesTheCursorToItsOwner) {
  Entry("1", "a");
  host::CreateRegKey(HKEY_CURRENT_USER, std::string(kPath) + "\\2");
  Entry("3", "c");
  auto pCursor = std::make_unique<CRegSubkeyIterator>(kPath);
  // Passing over the unreadable "2" takes a second enumeration.
  host::FailRegCall(host::RegCall::EnumKey, 2, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(ThrownText([&] { pCursor->Next(); }), "Internal Error: ID=Registry-211");
  EXPECT_EQ(host::OpenRegKeys(), 1);
  pCursor.reset();
  EXPECT_EQ(host::OpenRegKeys(), 0);
}

TEST_F(RegSubkeyIterator, LongerSubkeyNameAfterConstructionIsAnInternalError) {
  Entry("1", "a");
  Entry("2", "b");
  CRegSubkeyIterator cursor(kPath);
  Entry("3 with a longer name", "c");
  EXPECT_EQ(ThrownText([&] { Walk(cursor); }), "Internal Error: ID=Registry-211");
}

TEST_F(RegSubkeyIterator, DeleteThenNextRestartsFromTheFirstRemainingSubkey) {
  for (const char* pszName : {"a", "b", "c"}) Entry(pszName, std::string("text ") + pszName);
  CRegSubkeyIterator cursor(kPath);
  cursor.Next();
  ASSERT_STREQ(cursor.GetName(), "b");
  cursor.DeleteCurrent();
  EXPECT_STREQ(cursor.GetName(), "b");
  EXPECT_STREQ(cursor.GetValue(), "text b");
  EXPECT_EQ(host::RegSubkeyNames(HKEY_CURRENT_USER, kPath), (std::vector<std::string>{"a", "c"}));
  cursor.Next();
  EXPECT_EQ(Walk(cursor), (Entries{{"a", "text a"}, {"c", "text c"}}));
}

TEST_F(RegSubkeyIterator, DeletingEveryVisitedSubkeyLeavesOnlyUnreadableOnes) {
  Entry("1", "x");
  host::CreateRegKey(HKEY_CURRENT_USER, std::string(kPath) + "\\2");
  Entry("3", "y");
  std::vector<std::string> visited;
  for (CRegSubkeyIterator cursor(kPath); !cursor.IsDone(); cursor.Next()) {
    visited.push_back(std::string(cursor.GetName()));
    cursor.DeleteCurrent();
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"1", "3"}));
  EXPECT_EQ(host::RegSubkeyNames(HKEY_CURRENT_USER, kPath), std::vector<std::string>{"2"});
}

TEST_F(RegSubkeyIterator, FailedDeleteRaisesAndChangesNothing) {
  Entry("1", "x");
  Entry("2", "y");
  CRegSubkeyIterator cursor(kPath);
  host::FailRegCall(host::RegCall::DeleteKey, 1, ERROR_ACCESS_DENIED);
  EXPECT_EQ(ThrownText([&] { cursor.DeleteCurrent(); }), "Internal Error: ID=Registry-219");
  EXPECT_EQ(Walk(cursor), (Entries{{"1", "x"}, {"2", "y"}}));
  EXPECT_EQ(host::RegSubkeyNames(HKEY_CURRENT_USER, kPath), (std::vector<std::string>{"1", "2"}));
}

TEST_F(RegSubkeyIterator, DeleteOnceDoneDeletesNothing) {
  host::CreateRegKey(HKEY_CURRENT_USER, kPath);
  CRegSubkeyIterator cursor(kPath);
  ASSERT_TRUE(cursor.IsDone());
  cursor.DeleteCurrent();
  EXPECT_EQ(host::RegCallCount(host::RegCall::DeleteKey), 0);
  EXPECT_TRUE(host::RegKeyExists(HKEY_CURRENT_USER, kPath));
}

// The platform family decides the kind of cursor, asked afresh each time.
TEST_F(HostTest, OpenUserRegIteratorChoosesByPlatformFamily) {
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "from a value");
  Entry("1", "from a subkey");
  const struct {
    DWORD dwPlatformId;
    const char* pszValue;
  } cases[] = {{VER_PLATFORM_WIN32_NT, "from a value"},
               {VER_PLATFORM_WIN32_WINDOWS, "from a subkey"},
               {VER_PLATFORM_WIN32s, "from a subkey"},
               {VER_PLATFORM_WIN32_NT, "from a value"}};
  int nVersionQueries = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dwPlatformId);
    host::Kernel().dwPlatformId = c.dwPlatformId;
    std::unique_ptr<CRegIterator> pCursor = OpenUserRegIterator(kPath);
    ASSERT_NE(pCursor, nullptr);
    EXPECT_EQ(Walk(*pCursor), (Entries{{"1", c.pszValue}}));
    const auto& calls = host::Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "GetVersionExA"), ++nVersionQueries);
  }
}

TEST_F(HostTest, OpenUserRegIteratorReportsAMissingKeyOnEitherFamily) {
  for (DWORD dwPlatformId : {VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_WINDOWS}) {
    SCOPED_TRACE(dwPlatformId);
    host::Kernel().dwPlatformId = dwPlatformId;
    EXPECT_EQ(ThrownText([] { OpenUserRegIterator("keyboard layout\\substitutes"); }),
              "Problem with Windows Registry: Unable to open subkey: keyboard layout\\substitutes");
  }
}

}  // namespace
