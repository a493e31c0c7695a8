#include "HostTest.h"

#include "Morvane/LayoutCatalogue.h"

#include "HostWin32/FileSystem.h"

#include <string>

namespace {

struct ExistsCase {
  std::string path;
  bool bExists;
};

// The stand-in's current directory is C:\WINDOWS.
TEST_F(HostTest, FileExistsForFilesAndDirectories) {
  host::AddFile("C:\\WINDOWS\\system32\\KBDUS.DLL");
  host::AddDirectory("C:\\WINDOWS\\system32\\KBDDIR");
  const ExistsCase cases[] = {
      {"C:\\WINDOWS\\system32\\KBDUS.DLL", true},
      {"c:\\windows\\SYSTEM32\\kbdus.dll", true},
      {"C:\\WINDOWS\\system32\\KBDDIR", true},
      {"C:\\WINDOWS\\system32", true},
      {"C:/WINDOWS/system32/KBDUS.DLL", true},
      {"system32\\KBDUS.DLL", true},
      {"C:system32\\KBDUS.DLL", true},
      {"\\WINDOWS\\system32\\KBDUS.DLL", true},
      {"C:\\WINDOWS\\system32\\..\\system32\\.\\KBDUS.DLL", true},
      {"C:\\WINDOWS\\system32\\KBDFR.DLL", false},
      {"C:\\WINDOWS\\missing\\KBDUS.DLL", false},
      {"C:\\WINDOWS\\system32\\KBDUS.DLL\\", false},
      {"C:\\WINDOWS\\system32\\KBDDIR\\", false},
      {"C:\\WINDOWS\\system32\\KBD*.DLL", false},
      {"C:\\WINDOWS\\system32\\KBDUS.DL?", false},
      {"C:\\WINDOWS\\system32\\*", false},
      {"C:\\", false},
      {"", false},
  };
  for (const ExistsCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileExists(c.path.c_str()), c.bExists);
  }
}

TEST_F(HostTest, FileExistsIsFalseForAPathBeyondMaxPath) {
  const std::string deep = "C:\\" + std::string(200, 'd') + "\\" + std::string(100, 'f');
  host::AddFile(deep);
  EXPECT_FALSE(FileExists(deep.c_str()));
}

}  // namespace
