#include "HostTest.h"
#include "ThrownText.h"

#include "Common/Registry.h"

#include "HostWin32/Registry.h"

#include <string>
#include <vector>

namespace {

const char kOpenFailure[] = "Problem with Windows Registry: Unable to open subkey: ";
const char kUnchanged[] = "unchanged";

std::vector<BYTE> Bytes(const std::string& bytes) { return std::vector<BYTE>(bytes.begin(), bytes.end()); }

// The opens and closes the stand-in saw, in order.
std::vector<std::string> OpensAndCloses() {
  std::vector<std::string> calls;
  for (const std::string& call : host::Calls())
    if (call.rfind("RegOpenKeyExA", 0) == 0 || call == "RegCloseKey") calls.push_back(call);
  return calls;
}

class RegistryKey : public HostTest {};

TEST_F(RegistryKey, OpeningConstructorNamesThePathExactlyAsGiven) {
  host::SetRegString(HKEY_CURRENT_USER, "keyboard layout\\Locked", "", "x");
  host::DenyRegAccess(HKEY_CURRENT_USER, "keyboard layout\\Locked", KEY_ALL_ACCESS);
  // Missing keys, whatever the spelling, and a key refused to every request.
  for (const char* pszPath : {"keyboard layout\\Preload", "Keyboard Layout\\MISSING\\", " spaced ", "keyboard layout\\Locked"}) {
    SCOPED_TRACE(pszPath);
    EXPECT_EQ(ThrownText([&] { CRegistryKey key(HKEY_CURRENT_USER, pszPath, KEY_ALL_ACCESS); }),
              std::string(kOpenFailure) + pszPath);
  }
  EXPECT_EQ(host::OpenRegKeys(), 0);
}

TEST_F(RegistryKey, OpeningConstructorBelowAnOpenKeyNamesOnlyTheSubkey) {
  host::CreateRegKey(HKEY_LOCAL_MACHINE, "catalogue");
  CRegistryKey parent(HKEY_LOCAL_MACHINE, "catalogue", KEY_ALL_ACCESS);
  EXPECT_EQ(ThrownText([&] { CRegistryKey key(parent.m_hKey, "00000409", KEY_ALL_ACCESS); }),
            std::string(kOpenFailure) + "00000409");
}

TEST_F(RegistryKey, OpenMatchesNamesWithoutRegardToCase) {
  host::SetRegString(HKEY_CURRENT_USER, "Keyboard Layout\\Preload", "1", "00000409");
  CRegistryKey key(HKEY_CURRENT_USER, "keyboard layout\\PRELOAD", KEY_ALL_ACCESS);
  CString strText;
  EXPECT_EQ(key.ReadString("1", strText), ERROR_SUCCESS);
  EXPECT_STREQ(strText, "00000409");
}

TEST_F(RegistryKey, OpenOnAnOpenKeyClosesTheOldHandleFirst) {
  host::CreateRegKey(HKEY_CURRENT_USER, "a");
  host::CreateRegKey(HKEY_CURRENT_USER, "b");
  for (const char* pszNext : {"b", "missing"}) {
    SCOPED_TRACE(pszNext);
    CRegistryKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, "a", KEY_ALL_ACCESS), ERROR_SUCCESS);
    const std::size_t nBefore = OpensAndCloses().size();
    const LONG lStatus = key.Open(HKEY_CURRENT_USER, pszNext, KEY_ALL_ACCESS);
    const bool bFound = std::string(pszNext) == "b";
    EXPECT_EQ(lStatus, bFound ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key.m_hKey != nullptr, bFound);
    EXPECT_EQ(host::OpenRegKeys(), bFound ? 1 : 0);
    const std::vector<std::string> calls = OpensAndCloses();
    ASSERT_EQ(calls.size(), nBefore + 2);
    EXPECT_EQ(calls[nBefore], "RegCloseKey");
    EXPECT_EQ(calls[nBefore + 1], std::string("RegOpenKeyExA(") + pszNext + ",000f003f)");
  }
}

TEST_F(RegistryKey, CloseOnAClosedKeyCallsNothing) {
  host::CreateRegKey(HKEY_CURRENT_USER, "a");
  CRegistryKey key;
  EXPECT_EQ(key.Close(), ERROR_SUCCESS);
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, "a", KEY_ALL_ACCESS), ERROR_SUCCESS);
  EXPECT_EQ(key.Close(), ERROR_SUCCESS);
  EXPECT_EQ(key.Close(), ERROR_SUCCESS);
  EXPECT_EQ(host::RegCallCount(host::RegCall::CloseKey), 1);
}

TEST_F(RegistryKey, CloseReturnsTheFailureAndForgetsTheHandle) {
  host::CreateRegKey(HKEY_CURRENT_USER, "a");
  CRegistryKey key(HKEY_CURRENT_USER, "a", KEY_ALL_ACCESS);
  host::FailRegCall(host::RegCall::CloseKey, 1, ERROR_INVALID_HANDLE);
  EXPECT_EQ(key.Close(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(key.m_hKey, nullptr);
  EXPECT_EQ(key.Close(), ERROR_SUCCESS);
  EXPECT_EQ(host::RegCallCount(host::RegCall::CloseKey), 1);
}

// A user who may read a key but not write it still gets it: full access is
// asked first, then reading only. Any other refusal is final.
struct AccessCase {
  const char* pszName;
  REGSAM samDenied;
  REGSAM samAsked;
  LONG lStatus;
  std::vector<std::string> opens;
};

class RegistryKeyAccess : public HostTest, public ::testing::WithParamInterface<AccessCase> {};

TEST_P(RegistryKeyAccess, FallsBackToReadingOnlyWhenFullAccessIsRefused) {
  const AccessCase& c = GetParam();
  host::SetRegString(HKEY_LOCAL_MACHINE, "system\\layouts", "layout file", "KBDUS.DLL");
  host::DenyRegAccess(HKEY_LOCAL_MACHINE, "system\\layouts", c.samDenied);

  CRegistryKey key;
  EXPECT_EQ(key.Open(HKEY_LOCAL_MACHINE, "system\\layouts", c.samAsked), c.lStatus);
  EXPECT_EQ(OpensAndCloses(), c.opens);
  CString strFile;
  EXPECT_EQ(key.ReadString("layout file", strFile), c.lStatus == ERROR_SUCCESS ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
  EXPECT_STREQ(strFile, c.lStatus == ERROR_SUCCESS ? "KBDUS.DLL" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryKeyAccess,
    ::testing::Values(
        AccessCase{"Granted", 0, KEY_ALL_ACCESS, ERROR_SUCCESS, {"RegOpenKeyExA(system\\layouts,000f003f)"}},
        AccessCase{"WriteRefused",
                   KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE,
                   KEY_ALL_ACCESS,
                   ERROR_SUCCESS,
                   {"RegOpenKeyExA(system\\layouts,000f003f)", "RegOpenKeyExA(system\\layouts,00020019)"}},
        AccessCase{"ReadingRefusedToo",
                   KEY_ALL_ACCESS,
                   KEY_ALL_ACCESS,
                   ERROR_ACCESS_DENIED,
                   {"RegOpenKeyExA(system\\layouts,000f003f)", "RegOpenKeyExA(system\\layouts,00020019)"}},
        // Whoever asks for writing alone wants to write: no fallback.
        AccessCase{"WriteOnlyAsked", KEY_SET_VALUE, KEY_WRITE, ERROR_ACCESS_DENIED,
                   {"RegOpenKeyExA(system\\layouts,00020006)"}},
        AccessCase{"ReadOnlyAsked", KEY_QUERY_VALUE, KEY_READ, ERROR_ACCESS_DENIED,
                   {"RegOpenKeyExA(system\\layouts,00020019)"}}),
    [](const ::testing::TestParamInfo<AccessCase>& info) { return std::string(info.param.pszName); });

TEST_F(RegistryKey, FallbackReachesTheOpeningConstructor) {
  host::SetRegString(HKEY_LOCAL_MACHINE, "system\\layouts", "layout text", "US");
  host::DenyRegAccess(HKEY_LOCAL_MACHINE, "system\\layouts", KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE);
  CRegistryKey key(HKEY_LOCAL_MACHINE, "system\\layouts", KEY_ALL_ACCESS);
  CString strText;
  EXPECT_EQ(key.ReadString("layout text", strText), ERROR_SUCCESS);
  EXPECT_STREQ(strText, "US");
}

TEST_F(RegistryKey, OpenFailureOtherThanRefusalIsNotRetried) {
  CRegistryKey key;
  EXPECT_EQ(key.Open(HKEY_CURRENT_USER, "missing", KEY_ALL_ACCESS), ERROR_FILE_NOT_FOUND);
  host::CreateRegKey(HKEY_CURRENT_USER, "there");
  host::FailRegCall(host::RegCall::OpenKey, 1, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(key.Open(HKEY_CURRENT_USER, "there", KEY_ALL_ACCESS), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(host::RegCallCount(host::RegCall::OpenKey), 2);
  EXPECT_EQ(key.m_hKey, nullptr);
}

// ReadString on each kind of value. The text starts as "unchanged" so that a
// read that must leave it alone shows.
struct ReadCase {
  const char* pszName;
  bool bPresent;
  DWORD dwType;
  std::string data;
  LONG lStatus;
  const char* pszText;
};

class ReadString : public HostTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadString, FollowsTheValueType) {
  const ReadCase& c = GetParam();
  host::CreateRegKey(HKEY_CURRENT_USER, "k");
  if (c.bPresent) host::SetRegValue(HKEY_CURRENT_USER, "k", "v", c.dwType, Bytes(c.data));
  CRegistryKey key(HKEY_CURRENT_USER, "k", KEY_ALL_ACCESS);
  CString strText = kUnchanged;
  EXPECT_EQ(key.ReadString("v", strText), c.lStatus);
  EXPECT_EQ(std::string(strText, strText.GetLength()), c.pszText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadString,
    ::testing::Values(
        ReadCase{"Missing", false, REG_SZ, "", ERROR_FILE_NOT_FOUND, kUnchanged},
        ReadCase{"ThreeCharactersInFourBytes", true, REG_SZ, std::string("abc\0", 4), ERROR_SUCCESS, "abc"},
        ReadCase{"EmbeddedZero", true, REG_SZ, std::string("ab\0cd\0", 6), ERROR_SUCCESS, "ab"},
        ReadCase{"NoTerminatingZero", true, REG_SZ, "abc", ERROR_SUCCESS, "abc"},
        ReadCase{"OnlyTheZero", true, REG_SZ, std::string("\0", 1), ERROR_SUCCESS, ""},
        ReadCase{"NoDataBytesAtAll", true, REG_SZ, "", ERROR_SUCCESS, ""},
        ReadCase{"EightBitCharacters", true, REG_SZ, std::string("\xE0\xE1\xE2\0", 4), ERROR_SUCCESS, "\xE0\xE1\xE2"},
        ReadCase{"Dword", true, REG_DWORD, std::string("\x09\x04\0\0", 4), ERROR_SUCCESS, kUnchanged},
        ReadCase{"ExpandSz", true, REG_EXPAND_SZ, std::string("%x%\0", 4), ERROR_SUCCESS, kUnchanged},
        ReadCase{"MultiSz", true, REG_MULTI_SZ, std::string("a\0b\0\0", 5), ERROR_SUCCESS, kUnchanged},
        ReadCase{"Binary", true, REG_BINARY, "abc", ERROR_SUCCESS, kUnchanged},
        ReadCase{"None", true, REG_NONE, "", ERROR_SUCCESS, kUnchanged}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.pszName); });

TEST_F(RegistryKey, ReadStringWithTheEmptyNameReadsTheDefaultValue) {
  host::SetRegString(HKEY_CURRENT_USER, "k", "", "default");
  host::SetRegString(HKEY_CURRENT_USER, "k", "other", "other");
  CRegistryKey key(HKEY_CURRENT_USER, "k", KEY_ALL_ACCESS);
  CString strText;
  EXPECT_EQ(key.ReadString("", strText), ERROR_SUCCESS);
  EXPECT_STREQ(strText, "default");
}

TEST_F(RegistryKey, ReadStringReturnsTheFirstQueryFailure) {
  host::SetRegString(HKEY_CURRENT_USER, "k", "v", "text");
  CRegistryKey key(HKEY_CURRENT_USER, "k", KEY_ALL_ACCESS);
  host::FailRegCall(host::RegCall::QueryValue, 1, ERROR_INVALID_HANDLE);
  CString strText = kUnchanged;
  EXPECT_EQ(key.ReadString("v", strText), ERROR_INVALID_HANDLE);
  EXPECT_STREQ(strText, kUnchanged);
  EXPECT_EQ(host::RegCallCount(host::RegCall::QueryValue), 1);
}

// The value changes between the query of its size and its reading.
struct ChangeCase {
  const char* pszName;
  DWORD dwNewType;
  std::string newData;
  LONG lStatus;
  const char* pszText;
};

class ReadStringRace : public HostTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ReadStringRace, NeverReadsPastTheBufferAndKeepsTheTextOnFailure) {
  const ChangeCase& c = GetParam();
  host::SetRegString(HKEY_CURRENT_USER, "k", "v", "four");
  CRegistryKey key(HKEY_CURRENT_USER, "k", KEY_ALL_ACCESS);
  host::AfterRegCall(host::RegCall::QueryValue, 1,
                     [&] { host::SetRegValue(HKEY_CURRENT_USER, "k", "v", c.dwNewType, Bytes(c.newData)); });
  CString strText = kUnchanged;
  EXPECT_EQ(key.ReadString("v", strText), c.lStatus);
  EXPECT_STREQ(strText, c.pszText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadStringRace,
    ::testing::Values(ChangeCase{"Grew", REG_SZ, std::string("longer\0", 7), ERROR_MORE_DATA, kUnchanged},
                      ChangeCase{"Shrank", REG_SZ, std::string("ab\0", 3), ERROR_SUCCESS, "ab"},
                      ChangeCase{"SameSizeWithoutZero", REG_SZ, "fives", ERROR_SUCCESS, "fives"},
                      ChangeCase{"ShorterWithoutZero", REG_SZ, "wxy", ERROR_SUCCESS, "wxy"},
                      ChangeCase{"BecameDword", REG_DWORD, std::string("\1\0\0\0", 4), ERROR_SUCCESS, kUnchanged}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.pszName); });

TEST_F(RegistryKey, DeleteSubkeyReturnsTheRegistryStatus) {
  host::CreateRegKey(HKEY_CURRENT_USER, "k\\leaf");
  host::CreateRegKey(HKEY_CURRENT_USER, "k\\branch\\twig");
  CRegistryKey key(HKEY_CURRENT_USER, "k", KEY_ALL_ACCESS);
  EXPECT_EQ(key.DeleteSubkey("LEAF"), ERROR_SUCCESS);
  EXPECT_EQ(key.DeleteSubkey("leaf"), ERROR_FILE_NOT_FOUND);
  // The NT family keeps a key that still has subkeys.
  EXPECT_EQ(key.DeleteSubkey("branch"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(host::RegSubkeyNames(HKEY_CURRENT_USER, "k"), std::vector<std::string>{"branch"});
}

}  // namespace
