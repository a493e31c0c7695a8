// What the checker dialog relies on from the system's check box, and what
// the stand-in imitates: an auto check box starts unchecked, and a click
// (BM_CLICK) toggles it first and then tells the parent with BN_CLICKED,
// also while it is hidden.
#include "Scratch.h"
#include "TestWindow.h"

namespace {

const DWORD kCheckerCheckBoxStyle = 0x50010003;  // BS_AUTOCHECKBOX | WS_TABSTOP ...
const int kId = 1026;

using CheckBox = ContractTest;

TEST_F(CheckBox, ClickTogglesAndNotifiesTheParent) {
  TestWindow parent;
  HWND hBox = parent.Child("BUTTON", "Show More", kCheckerCheckBoxStyle, kId);
  EXPECT_EQ(SendMessageA(hBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  const LRESULT expected[] = {BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    SendMessageA(hBox, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(hBox, BM_GETCHECK, 0, 0), expected[i]);
    ASSERT_EQ(parent.m_commands.size(), i + 1);
    EXPECT_EQ(parent.m_commands[i].wParam, MAKEWPARAM(kId, BN_CLICKED));
    EXPECT_EQ(parent.m_commands[i].lParam, reinterpret_cast<LPARAM>(hBox));
  }
}

TEST_F(CheckBox, HiddenCheckBoxStillTakesAClick) {
  TestWindow parent;
  HWND hBox = parent.Child("BUTTON", "Show More", kCheckerCheckBoxStyle, kId);
  ShowWindow(hBox, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(hBox));
  SendMessageA(hBox, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(hBox, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(parent.m_commands.size(), 1u);
}

TEST_F(CheckBox, SetCheckChangesTheStateWithoutNotifying) {
  TestWindow parent;
  HWND hBox = parent.Child("BUTTON", "Show More", kCheckerCheckBoxStyle, kId);
  SendMessageA(hBox, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(hBox, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(parent.m_commands.empty());
}

}  // namespace
