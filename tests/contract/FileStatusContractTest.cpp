// What the layout catalogue relies on from the file system, and what the
// stand-in imitates: the system directory query, full path names, and
// FindFirstFileA on files and folders, through FileExists and directly.
#include "Scratch.h"

#include "Morvane/LayoutCatalogue.h"

#include <cstring>
#include <string>

namespace {

using FileStatus = ContractTest;

TEST_F(FileStatus, FileExistsForFilesAndFolders) {
  scratch::MakeFile("KBDUS.DLL");
  scratch::MakeFolder("KBDDIR");
  scratch::MakeFolder("sub");
  scratch::MakeFile("sub\\inner.dll");
  const std::string folder = scratch::Folder();
  const std::string slashed = scratch::Folder("sub/inner.dll");
  const struct {
    std::string path;
    bool bExists;
  } cases[] = {
      {scratch::Folder("KBDUS.DLL"), true},
      {scratch::Folder("kbdus.dll"), true},
      {scratch::Folder("KBDDIR"), true},
      {scratch::Folder("sub\\inner.dll"), true},
      {slashed, true},
      {scratch::Folder("sub\\..\\KBDUS.DLL"), true},
      {scratch::Folder(".\\sub\\.\\inner.dll"), true},
      {folder, true},
      {scratch::Folder("KBDFR.DLL"), false},
      {scratch::Folder("missing\\KBDUS.DLL"), false},
      {scratch::Folder("KBDDIR\\"), false},
      {scratch::Folder("KBDUS.DLL\\"), false},
      {scratch::Folder("KBD*.DLL"), false},
      {scratch::Folder("KBDUS.DL?"), false},
      {scratch::Folder("*"), false},
      {folder.substr(0, 3), false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileExists(c.path.c_str()), c.bExists);
  }
}

TEST_F(FileStatus, FindFirstFileTellsFoldersFromFiles) {
  scratch::MakeFile("Layout.Dll");
  scratch::MakeFolder("Folder");
  const struct {
    const char* pszAsked;
    const char* pszFound;
    bool bDirectory;
  } cases[] = {{"layout.dll", "Layout.Dll", false}, {"FOLDER", "Folder", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszAsked);
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(scratch::Folder(c.pszAsked).c_str(), &data);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, c.pszFound);
    EXPECT_EQ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, c.bDirectory);
    EXPECT_TRUE(FindClose(hFind));
  }
  WIN32_FIND_DATAA data;
  EXPECT_EQ(FindFirstFileA(scratch::Folder("none").c_str(), &data), INVALID_HANDLE_VALUE);
}

TEST_F(FileStatus, FullPathNamesAreFoldedAndMeasured) {
  const std::string folder = scratch::Folder();
  char szFull[MAX_PATH];
  LPSTR pszFilePart = nullptr;
  const std::string asked = folder + "/a/./b/../c.dll";
  const std::string expected = folder + "\\a\\c.dll";
  DWORD nLength = GetFullPathNameA(asked.c_str(), MAX_PATH, szFull, &pszFilePart);
  EXPECT_EQ(nLength, expected.size());
  EXPECT_EQ(std::string(szFull), expected);
  ASSERT_NE(pszFilePart, nullptr);
  EXPECT_STREQ(pszFilePart, "c.dll");
  // Too small: the size needed, with the terminating zero.
  nLength = GetFullPathNameA(asked.c_str(), 4, szFull, &pszFilePart);
  EXPECT_EQ(nLength, expected.size() + 1);
  EXPECT_EQ(GetFullPathNameA("", MAX_PATH, szFull, &pszFilePart), 0u);
}

TEST_F(FileStatus, SystemDirectoryTellsTheSizeItNeeds) {
  char szDirectory[MAX_PATH] = "";
  const UINT nLength = GetSystemDirectoryA(szDirectory, MAX_PATH);
  ASSERT_GT(nLength, 0u);
  ASSERT_LT(nLength, static_cast<UINT>(MAX_PATH));
  EXPECT_EQ(std::strlen(szDirectory), nLength);
  EXPECT_NE(szDirectory[nLength - 1], '\\');
  EXPECT_TRUE(FileExists(szDirectory));
  // Told the buffer is one character short: the size it needs.
  char szOther[MAX_PATH];
  EXPECT_EQ(GetSystemDirectoryA(szOther, nLength), nLength + 1);
  EXPECT_EQ(GetSystemDirectoryA(szOther, 0), nLength + 1);
  EXPECT_STREQ(GetSystemDirectoryString(), szDirectory);
}

}  // namespace
