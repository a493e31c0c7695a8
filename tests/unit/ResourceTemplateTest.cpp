// The compiled resources, field by field: what the resource compiler made of
// the script, not what its statements suggest.
#include "HostTest.h"

#include "Framework/Win32.h"
#include "Morvane/resource.h"

#include "HostWin32/DialogTemplate.h"
#include "HostWin32/Resources.h"

#include <set>

namespace {

const WORD kEnglishUS = 1033;
const DWORD kNoId = 0xFFFFFFFF;  // the extended form's "no identifier"

struct ItemCase {
  std::string strClass;
  DWORD dwId;
  std::string strText;
  short x, y, cx, cy;
  DWORD dwStyle;
  DWORD dwExStyle;
};

struct DialogCase {
  const char* pszName;
  WORD wId;
  bool bExtended;
  short cx, cy;
  std::string strCaption;
  WORD wPointSize;
  BYTE bCharSet;  // extended form only
  std::vector<ItemCase> items;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.pszName; }

class DialogTemplate : public HostTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogTemplate, HoldsExactlyTheFieldsOfTheDialog) {
  const DialogCase& c = GetParam();
  const host::CResource* resource = host::ModuleResource(RT_DIALOG, c.wId);
  ASSERT_NE(resource, nullptr);
  EXPECT_EQ(resource->wLanguage, kEnglishUS);
  host::CDialogTemplate tmpl;
  ASSERT_TRUE(host::ParseDialogTemplate(resource->data, tmpl));
  EXPECT_EQ(tmpl.bExtended, c.bExtended);
  EXPECT_EQ(tmpl.dwStyle, 0x80C800C0u);
  EXPECT_EQ(tmpl.dwExStyle, 0u);
  EXPECT_EQ(tmpl.dwHelpId, 0u);
  EXPECT_EQ(tmpl.x, 0);
  EXPECT_EQ(tmpl.y, 0);
  EXPECT_EQ(tmpl.cx, c.cx);
  EXPECT_EQ(tmpl.cy, c.cy);
  EXPECT_FALSE(tmpl.menu.bOrdinal || !tmpl.menu.strText.empty());
  EXPECT_FALSE(tmpl.windowClass.bOrdinal || !tmpl.windowClass.strText.empty());
  EXPECT_EQ(tmpl.strTitle, c.strCaption);
  EXPECT_EQ(tmpl.strFace, "MS Sans Serif");
  EXPECT_EQ(tmpl.wPointSize, c.wPointSize);
  EXPECT_EQ(tmpl.wWeight, 0);
  EXPECT_EQ(tmpl.bItalic, 0);
  EXPECT_EQ(tmpl.bCharSet, c.bCharSet);

  ASSERT_EQ(tmpl.items.size(), c.items.size());
  std::set<DWORD> ids;
  for (std::size_t i = 0; i < c.items.size(); ++i) {
    SCOPED_TRACE(i);
    const host::CDialogItemTemplate& item = tmpl.items[i];
    const ItemCase& expected = c.items[i];
    ASSERT_TRUE(item.windowClass.bOrdinal);
    EXPECT_EQ(host::ClassOfOrdinal(item.windowClass.wOrdinal), expected.strClass);
    EXPECT_EQ(item.dwId, expected.dwId);
    EXPECT_FALSE(item.title.bOrdinal);
    EXPECT_EQ(item.title.strText, expected.strText);
    EXPECT_EQ(item.x, expected.x);
    EXPECT_EQ(item.y, expected.y);
    EXPECT_EQ(item.cx, expected.cx);
    EXPECT_EQ(item.cy, expected.cy);
    EXPECT_EQ(item.dwStyle, expected.dwStyle);
    EXPECT_EQ(item.dwExStyle, expected.dwExStyle);
    EXPECT_EQ(item.dwHelpId, 0u);
    EXPECT_EQ(item.cbCreationData, 0);
    if (item.dwId != kNoId && item.dwId != 0xFFFF) {
      EXPECT_TRUE(ids.insert(item.dwId).second) << "duplicate id";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogTemplate,
    ::testing::Values(
        DialogCase{"Checker",
                   IDD_CHECKER,
                   true,
                   220,
                   137,
                   "Tavrix Requirements Checker",
                   10,
                   1,
                   {{"LISTBOX", IDC_LAYOUT_LIST, "", 11, 68, 201, 50, 0x50A14103, 0},
                    {"BUTTON", IDC_SHOW_MORE, "Show More Tavrixizable Keyboard Layouts", 33, 120, 153, 10, 0x50010003,
                     0},
                    {"STATIC", IDC_MESSAGE_TEXT, "Checking...", 11, 12, 201, 42, 0x50020000, 0x200},
                    {"STATIC", kNoId, "Installed Keyboard Layouts which may be Tavrixized:", 11, 60, 170, 8,
                     0x50020000, 0}}},
        DialogCase{"About",
                   IDD_ABOUT,
                   false,
                   235,
                   55,
                   "About Check Tavrix Requirements",
                   8,
                   0,
                   {{"STATIC", 0xFFFF, "Check Tavrix Requirements 1.0", 40, 10, 119, 8, 0x50020080, 0},
                    {"STATIC", 0xFFFF, "Copyright (C) Tavrix", 40, 25, 119, 8, 0x50020000, 0},
                    {"BUTTON", IDOK, "OK", 178, 7, 50, 14, 0x50030001, 0}}}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.pszName); });

WORD Word(const std::vector<BYTE>& data, std::size_t pos) {
  return static_cast<WORD>(data.at(pos) | (data.at(pos + 1) << 8));
}

// The icon group: a 32 x 32 and a 16 x 16 image of 16 colours, each an icon
// resource of its own whose bitmap says the same.
TEST_F(HostTest, IconHoldsA32And16PixelImageOf16Colours) {
  const host::CResource* group = host::ModuleResource(RT_GROUP_ICON, IDI_CHECKER);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->wLanguage, kEnglishUS);
  const std::vector<BYTE>& data = group->data;
  ASSERT_EQ(Word(data, 2), 1);  // icons, not cursors
  ASSERT_EQ(Word(data, 4), 2);
  const BYTE sizes[] = {32, 16};
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const std::size_t entry = 6 + 14 * i;
    EXPECT_EQ(data.at(entry), sizes[i]);
    EXPECT_EQ(data.at(entry + 1), sizes[i]);
    EXPECT_EQ(data.at(entry + 2), 16);
    EXPECT_EQ(Word(data, entry + 6), 4);
    const host::CResource* image = host::ModuleResource(RT_ICON, Word(data, entry + 12));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(Word(image->data, 4), sizes[i]);        // biWidth
    EXPECT_EQ(Word(image->data, 8), 2 * sizes[i]);    // biHeight: colour and mask
    EXPECT_EQ(Word(image->data, 14), 4);              // biBitCount
  }
}

TEST_F(HostTest, StringTableHoldsTheAboutItemInEnglish) {
  const host::CResource* block = host::ModuleResource(RT_STRING, (IDS_ABOUT_ITEM >> 4) + 1);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->wLanguage, kEnglishUS);
  char szText[64];
  EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_ITEM, szText, sizeof szText), 17);
  EXPECT_STREQ(szText, "&About Morvane...");
  EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_ITEM, szText, 7), 6);
  EXPECT_STREQ(szText, "&About");
}

}  // namespace
