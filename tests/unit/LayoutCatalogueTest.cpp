// The catalogue is read once per process. ctest runs every test here in a
// process of its own, so each test starts with the catalogue unread; run
// this executable directly only with a --gtest_filter that picks one test.
#include "HostTest.h"
#include "ThrownText.h"

#include "Morvane/LayoutCatalogue.h"

#include "HostWin32/FileSystem.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Registry.h"

#include <string>
#include <vector>

namespace {

const char kCatalogue[] = "system\\currentcontrolset\\control\\keyboard layouts";
const char kSystem[] = "C:\\WINDOWS\\system32\\";

struct Layout {
  const char* pszKeyName;
  const char* pszFile;  // null: no value
  const char* pszText;
  const char* pszId;
};

void AddLayout(const Layout& layout) {
  const std::string path = std::string(kCatalogue) + "\\" + layout.pszKeyName;
  host::CreateRegKey(HKEY_LOCAL_MACHINE, path);
  if (layout.pszFile) host::SetRegString(HKEY_LOCAL_MACHINE, path, "layout file", layout.pszFile);
  if (layout.pszText) host::SetRegString(HKEY_LOCAL_MACHINE, path, "layout text", layout.pszText);
  if (layout.pszId) host::SetRegString(HKEY_LOCAL_MACHINE, path, "layout id", layout.pszId);
}

// "key name|file|text|id" for each record, so a failure shows the whole list.
std::vector<std::string> Describe(const std::vector<CLayoutInfo>& layouts) {
  std::vector<std::string> lines;
  for (const CLayoutInfo& info : layouts)
    lines.push_back(std::string(info.m_strKeyName) + "|" + std::string(info.m_strLayoutFile) + "|" +
                    std::string(info.m_strLayoutText) + "|" + std::string(info.m_strLayoutId));
  return lines;
}

class LayoutCatalogue : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    host::CreateRegKey(HKEY_LOCAL_MACHINE, kCatalogue);
  }
};

TEST_F(LayoutCatalogue, ReadsEverySubkeyInEnumerationOrder) {
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  AddLayout({"00010409", "KBDDV.DLL", "US-Dvorak", "0002"});
  AddLayout({"0000040D", nullptr, "Hebrew", "0001"});
  const std::string hebrew = std::string(kCatalogue) + "\\0000040D";
  host::SetRegValue(HKEY_LOCAL_MACHINE, hebrew, "layout file", REG_EXPAND_SZ, {'K', 'B', 'D', 0});
  host::SetRegDword(HKEY_LOCAL_MACHINE, hebrew, "layout id", 1);

  EXPECT_EQ(Describe(GetInstalledLayouts()),
            (std::vector<std::string>{"00000409|KBDUS.DLL|US|", "0000040c|KBDFR.DLL|French|",
                                      "0000040D||Hebrew|", "00010409|KBDDV.DLL|US-Dvorak|0002"}));
}

TEST_F(LayoutCatalogue, EmptyCatalogueKeyGivesNoLayouts) {
  EXPECT_TRUE(GetInstalledLayouts().empty());
  std::vector<CLayoutInfo> usable;
  GetUsableLayouts(usable);
  EXPECT_TRUE(usable.empty());
}

TEST_F(LayoutCatalogue, SecondCallReadsNothing) {
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  const std::vector<CLayoutInfo>& first = GetInstalledLayouts();
  const int nOpens = host::RegCallCount(host::RegCall::OpenKey);
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  const std::vector<CLayoutInfo>& second = GetInstalledLayouts();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(Describe(second), std::vector<std::string>{"00000409|KBDUS.DLL|US|"});
  EXPECT_EQ(host::RegCallCount(host::RegCall::OpenKey), nOpens);
}

TEST_F(LayoutCatalogue, FullAccessRefusedStillReads) {
  AddLayout({"00000409", "KBDUS.DLL", "US", "x"});
  host::DenyRegAccess(HKEY_LOCAL_MACHINE, kCatalogue, KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE);
  host::DenyRegAccess(HKEY_LOCAL_MACHINE, std::string(kCatalogue) + "\\00000409", KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE);
  EXPECT_EQ(Describe(GetInstalledLayouts()), std::vector<std::string>{"00000409|KBDUS.DLL|US|x"});
}

TEST_F(LayoutCatalogue, MissingCatalogueKeyThrowsOnceAndStaysEmpty) {
  host::DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kCatalogue);
  EXPECT_EQ(ThrownText([] { GetInstalledLayouts(); }),
            std::string("Problem with Windows Registry: Unable to open subkey: ") + kCatalogue);
  // The mark was set before the read: nothing is tried again.
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  const int nOpens = host::RegCallCount(host::RegCall::OpenKey);
  EXPECT_EQ(ThrownText([] { EXPECT_TRUE(GetInstalledLayouts().empty()); }), kNothingThrown);
  EXPECT_EQ(host::RegCallCount(host::RegCall::OpenKey), nOpens);
}

TEST_F(LayoutCatalogue, EnumerationFailureKeepsWhatWasRead) {
  AddLayout({"00000407", "KBDGR.DLL", "German", nullptr});
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  host::FailRegCall(host::RegCall::EnumKey, 3, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(ThrownText([] { GetInstalledLayouts(); }), "Error reading registry");
  EXPECT_EQ(host::OpenRegKeys(), 0);
  std::vector<std::string> kept;
  EXPECT_EQ(ThrownText([&] { kept = Describe(GetInstalledLayouts()); }), kNothingThrown);
  EXPECT_EQ(kept, (std::vector<std::string>{"00000407|KBDGR.DLL|German|", "00000409|KBDUS.DLL|US|"}));
}

TEST_F(LayoutCatalogue, LayoutSubkeyThatDoesNotOpenEndsTheWalk) {
  AddLayout({"00000407", "KBDGR.DLL", "German", nullptr});
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  host::DenyRegAccess(HKEY_LOCAL_MACHINE, std::string(kCatalogue) + "\\00000409", KEY_ALL_ACCESS);
  EXPECT_EQ(ThrownText([] { GetInstalledLayouts(); }),
            "Problem with Windows Registry: Unable to open subkey: 00000409");
  EXPECT_EQ(Describe(GetInstalledLayouts()), std::vector<std::string>{"00000407|KBDGR.DLL|German|"});
}

TEST_F(LayoutCatalogue, FailedValueReadsLeaveTheirFieldsEmpty) {
  AddLayout({"00000409", "KBDUS.DLL", "US", "0001"});
  host::FailRegCall(host::RegCall::QueryValue, 0, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(Describe(GetInstalledLayouts()), std::vector<std::string>{"00000409|||"});
}

TEST_F(LayoutCatalogue, UsableLayoutsAreThoseWhoseFileIsInTheSystemDirectory) {
  AddLayout({"00000407", "KBDGR.DLL", "German", nullptr});
  AddLayout({"00000409", "kbdus.dll", "US", nullptr});
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  AddLayout({"0000040d", "KBDHEB", "Hebrew", nullptr});
  AddLayout({"00000410", nullptr, "Italian", nullptr});
  AddLayout({"00000411", "sub\\KBDJPN.DLL", "Japanese", nullptr});
  host::AddFile(std::string(kSystem) + "KBDUS.DLL");
  host::AddFile(std::string(kSystem) + "KBDFR.DLL");
  host::AddDirectory(std::string(kSystem) + "KBDHEB");
  host::AddFile(std::string(kSystem) + "sub\\KBDJPN.DLL");
  host::AddFile("C:\\KBDGR.DLL");

  std::vector<CLayoutInfo> usable(1);
  usable[0].m_strKeyName = "already there";
  GetUsableLayouts(usable);
  EXPECT_EQ(Describe(usable), (std::vector<std::string>{"already there|||", "00000409|kbdus.dll|US|",
                                                        "0000040c|KBDFR.DLL|French|", "0000040d|KBDHEB|Hebrew|",
                                                        "00000411|sub\\KBDJPN.DLL|Japanese|"}));
  // One look for each layout that names a file; the one without is not looked for.
  EXPECT_EQ(host::FindFirstFileCalls(), 5);
}

TEST_F(LayoutCatalogue, TwoCallsOnOneListHoldEveryUsableLayoutTwice) {
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  AddLayout({"0000040c", "KBDFR.DLL", "French", nullptr});
  host::AddFile(std::string(kSystem) + "KBDUS.DLL");
  std::vector<CLayoutInfo> usable;
  GetUsableLayouts(usable);
  GetUsableLayouts(usable);
  EXPECT_EQ(Describe(usable), (std::vector<std::string>{"00000409|KBDUS.DLL|US|", "00000409|KBDUS.DLL|US|"}));
}

TEST_F(LayoutCatalogue, UsableLayoutsPassOnTheCatalogueFailureBeforeAppending) {
  host::DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kCatalogue);
  std::vector<CLayoutInfo> usable(2);
  EXPECT_EQ(ThrownText([&] { GetUsableLayouts(usable); }),
            std::string("Problem with Windows Registry: Unable to open subkey: ") + kCatalogue);
  EXPECT_EQ(usable.size(), 2u);
}

// Without the system directory nothing is looked for, least of all in the
// root folder of the current drive.
TEST_F(LayoutCatalogue, NoLayoutIsUsableWithoutTheSystemDirectory) {
  AddLayout({"00000409", "KBDUS.DLL", "US", nullptr});
  host::AddFile("C:\\KBDUS.DLL");
  host::AddFile(std::string(kSystem) + "KBDUS.DLL");
  const struct {
    const char* pszName;
    void (*breakIt)();
    std::size_t nBoxes;
  } cases[] = {
      {"query fails", [] { host::FileSystem().bSystemDirectoryFails = true; }, 0},
      {"path too long", [] { host::FileSystem().strSystemDirectory = "C:\\" + std::string(300, 'w'); }, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    host::ResetMessageBoxes();
    host::FileSystem() = host::CFileSystemState();
    c.breakIt();
    std::vector<CLayoutInfo> usable;
    const int nLooks = host::FindFirstFileCalls();
    GetUsableLayouts(usable);
    EXPECT_TRUE(usable.empty());
    EXPECT_EQ(host::FindFirstFileCalls(), nLooks);
    EXPECT_EQ(host::MessageBoxes().size(), c.nBoxes);
  }
}

}  // namespace
