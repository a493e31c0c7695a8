#include "HostTest.h"
#include "ThrownText.h"

#include "Common/Registry.h"

#include "HostWin32/Registry.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Entries;

const char kPath[] = "keyboard layout\\Preload";

std::vector<BYTE> Bytes(const std::string& bytes) { return std::vector<BYTE>(bytes.begin(), bytes.end()); }

// Reads the rest of the walk.
Entries Walk(CRegIterator& cursor) {
  Entries entries;
  for (; !cursor.IsDone(); cursor.Next())
    entries.emplace_back(std::string(cursor.GetName()), std::string(cursor.GetValue()));
  return entries;
}

class RegValueIterator : public HostTest {};

TEST_F(RegValueIterator, PresentsTheStringValuesInCreationOrder) {
  host::SetRegString(HKEY_CURRENT_USER, kPath, "b", "1st");
  host::SetRegDword(HKEY_CURRENT_USER, kPath, "A", 0x409);
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "c", REG_EXPAND_SZ, Bytes(std::string("%x%\0", 4)));
  host::SetRegString(HKEY_CURRENT_USER, kPath, "", "default");
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "d", REG_MULTI_SZ, Bytes(std::string("a\0b\0\0", 5)));
  host::SetRegString(HKEY_CURRENT_USER, kPath, "E", "last");
  // Longer than any string: the data buffer is sized for it too.
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "f", REG_BINARY, Bytes(std::string(600, 'z')));

  CRegValueIterator cursor(kPath);
  EXPECT_EQ(Walk(cursor), (Entries{{"b", "1st"}, {"", "default"}, {"E", "last"}}));
}

TEST_F(RegValueIterator, IsDoneAtOnceWithoutStringValues) {
  const struct {
    const char* pszName;
    void (*setUp)();
  } cases[] = {
      {"no values", [] { host::CreateRegKey(HKEY_CURRENT_USER, kPath); }},
      {"other types only",
       [] {
         host::SetRegDword(HKEY_CURRENT_USER, kPath, "1", 1);
         host::SetRegValue(HKEY_CURRENT_USER, kPath, "2", REG_EXPAND_SZ, Bytes(std::string("x\0", 2)));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    host::Reset();
    c.setUp();
    CRegValueIterator cursor(kPath);
    EXPECT_TRUE(cursor.IsDone());
    EXPECT_STREQ(cursor.GetName(), "");
    EXPECT_STREQ(cursor.GetValue(), "");
  }
}

TEST_F(RegValueIterator, TextsEndWithTheirDataNotWithStaleBytes) {
  // Strings stored without their terminating zero, the longest first.
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "long name", REG_SZ, Bytes("abcdef"));
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "n", REG_SZ, Bytes("xy"));
  host::SetRegValue(HKEY_CURRENT_USER, kPath, "z", REG_SZ, Bytes(std::string("p\0qrstu", 7)));
  CRegValueIterator cursor(kPath);
  EXPECT_EQ(Walk(cursor), (Entries{{"long name", "abcdef"}, {"n", "xy"}, {"z", "p"}}));
}

TEST_F(RegValueIterator, MissingKeyIsReportedWithItsPath) {
  EXPECT_EQ(ThrownText([] { CRegValueIterator cursor(kPath); }),
            "Problem with Windows Registry: Unable to open subkey: keyboard layout\\Preload");
}

// Each internal error is raised at its step with its text; a cursor whose
// construction failed leaves no key open (the fixture checks after each).
struct FaultCase {
  const char* pszName;
  host::RegCall call;
  unsigned nth;
  const char* pszText;
};

class RegValueIteratorConstruction : public HostTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RegValueIteratorConstruction, RaisesTheInternalErrorAndClosesTheKey) {
  const FaultCase& c = GetParam();
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "00000409");
  host::FailRegCall(c.call, c.nth, ERROR_INVALID_HANDLE);
  EXPECT_EQ(ThrownText([] { CRegValueIterator cursor(kPath); }), c.pszText);
  EXPECT_EQ(host::OpenRegKeys(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegValueIteratorConstruction,
    ::testing::Values(FaultCase{"QueryInfoKey", host::RegCall::QueryInfoKey, 1, "Internal Error: ID=Registry-143"},
                      FaultCase{"EnumValue", host::RegCall::EnumValue, 1, "Internal Error: ID=Registry-176"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.pszName); });

TEST_F(RegValueIterator, EnumerationFailureInNextLeavesTheCursorToItsOwner) {
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "00000409");
  host::SetRegDword(HKEY_CURRENT_USER, kPath, "skipped", 0);
  host::SetRegString(HKEY_CURRENT_USER, kPath, "2", "0000040d");
  auto pCursor = std::make_unique<CRegValueIterator>(kPath);
  // The third enumeration: a skipped value is visited too.
  host::FailRegCall(host::RegCall::EnumValue, 2, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(ThrownText([&] { pCursor->Next(); }), "Internal Error: ID=Registry-176");
  EXPECT_EQ(host::OpenRegKeys(), 1);
  pCursor.reset();
  EXPECT_EQ(host::OpenRegKeys(), 0);
}

TEST_F(RegValueIterator, ValueGrownAfterConstructionIsAnInternalError) {
  const struct {
    const char* pszName;
    void (*grow)();
  } cases[] = {
      {"longer name", [] { host::SetRegString(HKEY_CURRENT_USER, kPath, "a much longer name", "x"); }},
      {"longer data", [] { host::SetRegString(HKEY_CURRENT_USER, kPath, "2", "a much longer text"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    host::Reset();
    host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "short");
    host::SetRegString(HKEY_CURRENT_USER, kPath, "2", "tiny");
    CRegValueIterator cursor(kPath);
    c.grow();
    EXPECT_EQ(ThrownText([&] { Walk(cursor); }), "Internal Error: ID=Registry-176");
  }
}

TEST_F(RegValueIterator, DeleteThenNextRestartsFromTheFirstRemainingValue) {
  for (const char* pszName : {"a", "b", "c", "d"}) host::SetRegString(HKEY_CURRENT_USER, kPath, pszName, pszName);
  CRegValueIterator cursor(kPath);
  cursor.Next();
  cursor.Next();
  ASSERT_STREQ(cursor.GetName(), "c");
  cursor.DeleteCurrent();
  // Still on the deleted value until Next.
  EXPECT_STREQ(cursor.GetName(), "c");
  EXPECT_STREQ(cursor.GetValue(), "c");
  EXPECT_EQ(host::RegValueNames(HKEY_CURRENT_USER, kPath), (std::vector<std::string>{"a", "b", "d"}));
  cursor.Next();
  EXPECT_EQ(Walk(cursor), (Entries{{"a", "a"}, {"b", "b"}, {"d", "d"}}));
}

TEST_F(RegValueIterator, DeletingEveryVisitedValueEmptiesTheWalk) {
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "x");
  host::SetRegDword(HKEY_CURRENT_USER, kPath, "kept", 7);
  host::SetRegString(HKEY_CURRENT_USER, kPath, "2", "y");
  host::SetRegString(HKEY_CURRENT_USER, kPath, "", "z");
  std::vector<std::string> visited;
  for (CRegValueIterator cursor(kPath); !cursor.IsDone(); cursor.Next()) {
    visited.push_back(std::string(cursor.GetName()));
    cursor.DeleteCurrent();
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"1", "2", ""}));
  EXPECT_EQ(host::RegValueNames(HKEY_CURRENT_USER, kPath), std::vector<std::string>{"kept"});
}

TEST_F(RegValueIterator, FailedDeleteRaisesAndChangesNothing) {
  host::SetRegString(HKEY_CURRENT_USER, kPath, "1", "x");
  host::SetRegString(HKEY_CURRENT_USER, kPath, "2", "y");
  CRegValueIterator cursor(kPath);
  cursor.Next();
  host::FailRegCall(host::RegCall::DeleteValue, 1, ERROR_ACCESS_DENIED);
  EXPECT_EQ(ThrownText([&] { cursor.DeleteCurrent(); }), "Internal Error: ID=Registry-184");
  EXPECT_STREQ(cursor.GetName(), "2");
  // Not restarted: the walk goes on past "2".
  cursor.Next();
  EXPECT_TRUE(cursor.IsDone());
  EXPECT_EQ(host::RegValueNames(HKEY_CURRENT_USER, kPath), (std::vector<std::string>{"1", "2"}));
}

TEST_F(RegValueIterator, DeleteOnceDoneDeletesNothing) {
  host::SetRegDword(HKEY_CURRENT_USER, kPath, "", 1);
  CRegValueIterator cursor(kPath);
  ASSERT_TRUE(cursor.IsDone());
  cursor.DeleteCurrent();
  EXPECT_EQ(host::RegCallCount(host::RegCall::DeleteValue), 0);
  EXPECT_EQ(host::RegValueNames(HKEY_CURRENT_USER, kPath), std::vector<std::string>{""});
}

}  // namespace
