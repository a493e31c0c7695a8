// What the registry module relies on from the registry, and what the
// stand-in imitates: enumeration order, value types and sizes, the figures
// of RegQueryInfoKeyA, ERROR_MORE_DATA on small buffers, ReadString on each
// value type, and the walk that deletes and restarts.
#include "Scratch.h"

#include "Common/Registry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Entries;

std::string Z(const char* pch, std::size_t n) { return std::string(pch, n); }

// The scratch key (or a key below it), open for the length of a test.
class ScratchKey {
 public:
  explicit ScratchKey(const std::string& subkey = "") {
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, scratch::Key(subkey).c_str(), 0, KEY_ALL_ACCESS, &m_hKey),
              ERROR_SUCCESS);
  }
  ~ScratchKey() { RegCloseKey(m_hKey); }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  HKEY m_hKey = nullptr;
};

std::vector<std::string> ValueNames() {
  ScratchKey key;
  std::vector<std::string> names;
  for (DWORD dwIndex = 0;; ++dwIndex) {
    char szName[256];
    DWORD cchName = sizeof szName;
    const LONG lStatus = RegEnumValueA(key.m_hKey, dwIndex, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
    if (lStatus == ERROR_NO_MORE_ITEMS) break;
    EXPECT_EQ(lStatus, ERROR_SUCCESS);
    if (lStatus != ERROR_SUCCESS) break;
    names.emplace_back(szName, cchName);
  }
  return names;
}

std::vector<std::string> SubkeyNames() {
  ScratchKey key;
  std::vector<std::string> names;
  for (DWORD dwIndex = 0;; ++dwIndex) {
    char szName[256];
    DWORD cchName = sizeof szName;
    FILETIME ftLastWrite;
    const LONG lStatus = RegEnumKeyExA(key.m_hKey, dwIndex, szName, &cchName, nullptr, nullptr, nullptr, &ftLastWrite);
    if (lStatus == ERROR_NO_MORE_ITEMS) break;
    EXPECT_EQ(lStatus, ERROR_SUCCESS);
    if (lStatus != ERROR_SUCCESS) break;
    names.emplace_back(szName, cchName);
  }
  return names;
}

// Windows enumerates a key's values in the order they were created; Wine
// keeps them sorted by name, as it does subkeys. The stand-in follows Windows.
bool RunsUnderWine() {
  HMODULE hNtdll = GetModuleHandleA("ntdll.dll");
  return hNtdll != nullptr && GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The order in which values created in the given order come back.
template <class T, class Name>
std::vector<T> InValueOrder(std::vector<T> created, Name name) {
  if (RunsUnderWine())
    std::stable_sort(created.begin(), created.end(),
                     [&](const T& a, const T& b) { return Lower(name(a)) < Lower(name(b)); });
  return created;
}

std::vector<std::string> InValueOrder(const std::vector<std::string>& created) {
  return InValueOrder(created, [](const std::string& name) { return name; });
}

Entries Walk(CRegIterator& cursor) {
  Entries entries;
  for (; !cursor.IsDone(); cursor.Next())
    entries.emplace_back(std::string(cursor.GetName()), std::string(cursor.GetValue()));
  return entries;
}

using Registry = ContractTest;

TEST_F(Registry, ValuesComeInCreationOrder) {
  for (const char* pszName : {"b", "A", "c", "10", "9", "", "B2"}) scratch::SetString("", pszName, "x");
  // Setting a value again keeps its place.
  scratch::SetString("", "A", "again");
  EXPECT_EQ(ValueNames(), InValueOrder({"b", "A", "c", "10", "9", "", "B2"}));
}

TEST_F(Registry, SubkeysComeSortedWithoutRegardToCase) {
  for (const char* pszName : {"b", "A", "C", "10", "9", "a1", "B2", "0000040c", "0000040D", "00000409"})
    scratch::CreateKey(pszName);
  EXPECT_EQ(SubkeyNames(), (std::vector<std::string>{"00000409", "0000040c", "0000040D", "10", "9", "A", "a1", "b",
                                                     "B2", "C"}));
}

TEST_F(Registry, NamesMatchWithoutRegardToCase) {
  scratch::SetString("Keyboard Layout\\Preload", "Value", "x");
  HKEY hKey = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, scratch::Key("KEYBOARD LAYOUT\\preload").c_str(), 0, KEY_ALL_ACCESS,
                          &hKey),
            ERROR_SUCCESS);
  DWORD dwType = 0;
  EXPECT_EQ(RegQueryValueExA(hKey, "vALUE", nullptr, &dwType, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(dwType, static_cast<DWORD>(REG_SZ));
  RegCloseKey(hKey);
}

struct TypeCase {
  const char* pszName;
  DWORD dwType;
  std::string data;
};

const TypeCase kTypes[] = {
    {"sz", REG_SZ, Z("abc\0", 4)},
    {"sz empty", REG_SZ, Z("\0", 1)},
    {"sz embedded zero", REG_SZ, Z("ab\0cd\0", 6)},
    {"expand", REG_EXPAND_SZ, Z("%x%\0", 4)},
    {"multi", REG_MULTI_SZ, Z("a\0bc\0\0", 6)},
    {"dword", REG_DWORD, Z("\x09\x04\0\0", 4)},
    {"binary", REG_BINARY, Z("\1\2\3", 3)},
    {"none", REG_NONE, ""},
};

TEST_F(Registry, EnumerationGivesEachValueItsTypeAndData) {
  for (const TypeCase& c : kTypes) scratch::SetValue("", c.pszName, c.dwType, c.data);
  ScratchKey key;
  std::map<std::string, std::pair<DWORD, std::string>> enumerated;
  LONG lStatus;
  for (DWORD dwIndex = 0;; ++dwIndex) {
    char szName[64];
    DWORD cchName = sizeof szName;
    BYTE data[64];
    DWORD cbData = sizeof data;
    DWORD dwType = 0xFFFF;
    lStatus = RegEnumValueA(key.m_hKey, dwIndex, szName, &cchName, nullptr, &dwType, data, &cbData);
    if (lStatus != ERROR_SUCCESS) break;
    enumerated[std::string(szName, cchName)] = {dwType, std::string(reinterpret_cast<char*>(data), cbData)};
  }
  EXPECT_EQ(lStatus, ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(enumerated.size(), sizeof kTypes / sizeof kTypes[0]);
  for (const TypeCase& c : kTypes) {
    SCOPED_TRACE(c.pszName);
    EXPECT_EQ(enumerated[c.pszName], std::make_pair(c.dwType, c.data));
    // The size alone, without a buffer.
    DWORD dwType = 0xFFFF;
    DWORD cbSize = 0xFFFF;
    EXPECT_EQ(RegQueryValueExA(key.m_hKey, c.pszName, nullptr, &dwType, nullptr, &cbSize), ERROR_SUCCESS);
    EXPECT_EQ(dwType, c.dwType);
    EXPECT_EQ(cbSize, c.data.size());
  }
}

struct InfoCase {
  const char* pszName;
  void (*setUp)();
  DWORD cchMaxValueName;
  DWORD cbMaxValueData;
  DWORD cchMaxSubkey;
};

TEST_F(Registry, QueryInfoKeyGivesTheLongestNamesAndData) {
  const InfoCase cases[] = {
      {"empty", [] {}, 0, 0, 0},
      // The NT family keeps strings in UTF-16 and counts their data at that size.
      {"one string", [] { scratch::SetString("", "name", "abc"); }, 4, 8, 0},
      {"string longer than binary",
       [] {
         scratch::SetString("", "s", "abcdefgh");
         scratch::SetValue("", "b", REG_BINARY, std::string(10, 'b'));
       },
       1, 18, 0},
      {"data of other types count",
       [] {
         scratch::SetString("", "a", "x");
         scratch::SetValue("", "longest name", REG_BINARY, std::string(10, 'b'));
       },
       12, 10, 0},
      {"default value", [] { scratch::SetString("", "", "default"); }, 0, 16, 0},
      {"subkeys",
       [] {
         scratch::CreateKey("abc");
         scratch::CreateKey("abcdefgh\\deeper and longer");
       },
       0, 0, 8},
  };
  for (const InfoCase& c : cases) {
    SCOPED_TRACE(c.pszName);
    TearDown();
    SetUp();
    c.setUp();
    ScratchKey key;
    DWORD cchMaxValueName = 0xFFFF, cbMaxValueData = 0xFFFF, cchMaxSubkey = 0xFFFF;
    ASSERT_EQ(RegQueryInfoKeyA(key.m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &cchMaxValueName, &cbMaxValueData, nullptr, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegQueryInfoKeyA(key.m_hKey, nullptr, nullptr, nullptr, nullptr, &cchMaxSubkey, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(cchMaxValueName, c.cchMaxValueName);
    EXPECT_EQ(cbMaxValueData, c.cbMaxValueData);
    EXPECT_EQ(cchMaxSubkey, c.cchMaxSubkey);
  }
}

TEST_F(Registry, BuffersTooSmallGiveMoreData) {
  scratch::SetString("", "name", "abc");
  scratch::CreateKey("subkey");
  ScratchKey key;
  char szName[16];
  BYTE data[16];

  // Room for the name but not for its terminating zero.
  DWORD cchName = 4;
  DWORD cbData = sizeof data;
  EXPECT_EQ(RegEnumValueA(key.m_hKey, 0, szName, &cchName, nullptr, nullptr, data, &cbData), ERROR_MORE_DATA);
  // Data one byte short.
  cchName = sizeof szName;
  cbData = 3;
  EXPECT_EQ(RegEnumValueA(key.m_hKey, 0, szName, &cchName, nullptr, nullptr, data, &cbData), ERROR_MORE_DATA);
  cbData = 3;
  EXPECT_EQ(RegQueryValueExA(key.m_hKey, "name", nullptr, nullptr, data, &cbData), ERROR_MORE_DATA);
  EXPECT_EQ(cbData, 4u);
  cchName = 6;
  EXPECT_EQ(RegEnumKeyExA(key.m_hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  // Exactly enough.
  cchName = 7;
  EXPECT_EQ(RegEnumKeyExA(key.m_hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(cchName, 6u);
  EXPECT_STREQ(szName, "subkey");
}

TEST_F(Registry, MissingKeysAndValuesAreNotFound) {
  scratch::CreateKey("parent\\child");
  HKEY hKey = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, scratch::Key("missing").c_str(), 0, KEY_ALL_ACCESS, &hKey),
            ERROR_FILE_NOT_FOUND);
  ScratchKey key;
  DWORD dwType = 0;
  EXPECT_EQ(RegQueryValueExA(key.m_hKey, "missing", nullptr, &dwType, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
  // The default value that was never set.
  EXPECT_EQ(RegQueryValueExA(key.m_hKey, "", nullptr, &dwType, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteValueA(key.m_hKey, "missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyA(key.m_hKey, "missing"), ERROR_FILE_NOT_FOUND);
  // The NT family keeps a key that still has subkeys.
  EXPECT_EQ(RegDeleteKeyA(key.m_hKey, "parent"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(SubkeyNames(), std::vector<std::string>{"parent"});
}

struct ReadCase {
  const char* pszName;
  DWORD dwType;
  std::string data;
  const char* pszText;  // null: left as it was
};

TEST_F(Registry, ReadStringTakesStringsAndLeavesOtherTypesAlone) {
  const ReadCase cases[] = {
      {"sz", REG_SZ, Z("abc\0", 4), "abc"},
      {"embedded zero", REG_SZ, Z("ab\0cd\0", 6), "ab"},
      {"empty", REG_SZ, Z("\0", 1), ""},
      {"eight-bit", REG_SZ, Z("caf\xE9\0", 5), "caf\xE9"},
      {"", REG_SZ, Z("default\0", 8), "default"},
      {"expand", REG_EXPAND_SZ, Z("%x%\0", 4), nullptr},
      {"multi", REG_MULTI_SZ, Z("a\0b\0\0", 5), nullptr},
      {"dword", REG_DWORD, Z("\x09\x04\0\0", 4), nullptr},
      {"binary", REG_BINARY, Z("ab", 2), nullptr},
  };
  for (const ReadCase& c : cases) scratch::SetValue("", c.pszName, c.dwType, c.data);
  CRegistryKey key(HKEY_CURRENT_USER, scratch::Key().c_str(), KEY_ALL_ACCESS);
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.pszName);
    CString strText = "unchanged";
    EXPECT_EQ(key.ReadString(c.pszName, strText), ERROR_SUCCESS);
    EXPECT_STREQ(strText, c.pszText ? c.pszText : "unchanged");
  }
  CString strText = "unchanged";
  EXPECT_EQ(key.ReadString("missing", strText), ERROR_FILE_NOT_FOUND);
  EXPECT_STREQ(strText, "unchanged");
}

TEST_F(Registry, ValueCursorPresentsStringsInCreationOrder) {
  scratch::SetString("", "b", "first");
  scratch::SetValue("", "a", REG_DWORD, Z("\1\0\0\0", 4));
  scratch::SetValue("", "c", REG_EXPAND_SZ, Z("%x%\0", 4));
  scratch::SetString("", "", "default");
  scratch::SetString("", "10", "last");
  CRegValueIterator cursor(scratch::Key().c_str());
  EXPECT_EQ(Walk(cursor),
            InValueOrder(Entries{{"b", "first"}, {"", "default"}, {"10", "last"}},
                         [](const std::pair<std::string, std::string>& entry) { return entry.first; }));
}

TEST_F(Registry, ValueCursorRestartsAfterADelete) {
  for (const char* pszName : {"a", "b", "c", "d"}) scratch::SetString("", pszName, pszName);
  CRegValueIterator cursor(scratch::Key().c_str());
  cursor.Next();
  cursor.Next();
  ASSERT_STREQ(cursor.GetName(), "c");
  cursor.DeleteCurrent();
  EXPECT_STREQ(cursor.GetName(), "c");
  cursor.Next();
  EXPECT_EQ(Walk(cursor), (Entries{{"a", "a"}, {"b", "b"}, {"d", "d"}}));
  EXPECT_EQ(ValueNames(), (std::vector<std::string>{"a", "b", "d"}));
}

TEST_F(Registry, SubkeyCursorPresentsReadableSubkeysAndRestartsAfterADelete) {
  scratch::SetString("b", "", "text b");
  scratch::SetString("A", "", "text A");
  scratch::SetString("no default", "named", "x");
  scratch::SetValue("dword default", "", REG_DWORD, Z("\1\0\0\0", 4));
  scratch::SetString("c", "", "text c");
  CRegSubkeyIterator cursor(scratch::Key().c_str());
  ASSERT_STREQ(cursor.GetName(), "A");
  cursor.Next();
  ASSERT_STREQ(cursor.GetName(), "b");
  cursor.DeleteCurrent();
  cursor.Next();
  EXPECT_EQ(Walk(cursor), (Entries{{"A", "text A"}, {"c", "text c"}}));
  EXPECT_EQ(SubkeyNames(), (std::vector<std::string>{"A", "c", "dword default", "no default"}));
}

}  // namespace
