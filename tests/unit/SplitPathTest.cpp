#include "Morvane/MsgException.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* pszPath;
  const char* pszDirectory;
  const char* pszFileName;
  const char* pszTitle;
  const char* pszExtension;
};

const SplitCase kCases[] = {
    {"C:/dir/name.ext", "C:/dir/", "name.ext", "name", "ext"},
    {"C:\\dir\\name.ext", "C:\\dir\\", "name.ext", "name", "ext"},
    {"name.ext", "", "name.ext", "name", "ext"},
    {"a.b\\file", "a.b\\", "file", "file", ""},
    {"C:\\dir\\name", "C:\\dir\\", "name", "name", ""},
    {"name.tar.gz", "", "name.tar.gz", "name.tar", "gz"},
    {"C:\\dir\\", "C:\\dir\\", "", "", ""},
    {"C:name", "C:", "name", "name", ""},
    {"dir/name.", "dir/", "name.", "name", ""},
    {".hidden", "", ".hidden", "", "hidden"},
    {"", "", "", "", ""},
};

TEST(SplitPath, Table) {
  for (const SplitCase& c : kCases) {
    SCOPED_TRACE(c.pszPath);
    CString strDirectory, strFileName, strTitle, strExtension;
    SplitPath(c.pszPath, &strDirectory, &strFileName, &strTitle, &strExtension);
    EXPECT_STREQ(strDirectory, c.pszDirectory);
    EXPECT_STREQ(strFileName, c.pszFileName);
    EXPECT_STREQ(strTitle, c.pszTitle);
    EXPECT_STREQ(strExtension, c.pszExtension);
  }
}

TEST(SplitPath, FillsOnlyThePartsAskedForAndReplacesThem) {
  CString strDirectory = "old", strTitle = "old", strExtension = "untouched";
  SplitPath("C:\\dir\\name.ext", &strDirectory, nullptr, &strTitle, nullptr);
  EXPECT_STREQ(strDirectory, "C:\\dir\\");
  EXPECT_STREQ(strTitle, "name");
  EXPECT_STREQ(strExtension, "untouched");

  CString strOnlyExtension = "old";
  SplitPath("a.b\\file.txt", nullptr, nullptr, nullptr, &strOnlyExtension);
  EXPECT_STREQ(strOnlyExtension, "txt");
}

}  // namespace
