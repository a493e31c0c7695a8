#include "HostTest.h"

#include "Morvane/LayoutCatalogue.h"

#include "HostWin32/FileSystem.h"
#include "HostWin32/MessageBox.h"

#include <string>

namespace {

const char kTooLong[] = "Error: Path to System directory must be shorter than 260 characters";

struct DirectoryCase {
  std::size_t nLength;  // 0: the query fails
  bool bAccepted;
};

TEST_F(HostTest, SystemDirectoryMustFitInMaxPath) {
  const DirectoryCase cases[] = {{3, true}, {19, true}, {258, true}, {259, true}, {260, false}, {261, false},
                                 {1000, false}, {0, false}};
  for (const DirectoryCase& c : cases) {
    SCOPED_TRACE(c.nLength);
    host::ResetMessageBoxes();
    const std::string directory = c.nLength ? "C:\\" + std::string(c.nLength - 3, 's') : "";
    host::FileSystem().strSystemDirectory = directory;
    host::FileSystem().bSystemDirectoryFails = c.nLength == 0;

    const CString strDirectory = GetSystemDirectoryString();
    EXPECT_EQ(std::string(strDirectory), c.bAccepted ? directory : "");
    // Only a path too long is reported; a failed query is silent.
    const bool bReported = c.nLength >= 260;
    ASSERT_EQ(host::MessageBoxes().size(), bReported ? 1u : 0u);
    if (bReported) {
      EXPECT_EQ(host::MessageBoxes()[0].strText, kTooLong);
      EXPECT_EQ(host::MessageBoxes()[0].uType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    }
  }
}

}  // namespace
