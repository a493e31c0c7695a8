#include "HostTest.h"
#include "LayoutMachine.h"
#include "ThrownText.h"

#include "Morvane/LayoutList.h"

#include "HostWin32/Kernel.h"

#include <cstring>
#include <random>

namespace {

// A list box and a check box with the checker dialog's styles, on a visible
// parent, bound to the objects that FillLayoutList takes.
class LayoutList : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                nullptr);
    m_list.m_hWnd = CreateWindowExA(0, "LISTBOX", "", 0x50A14103, 16, 102, 301, 81, m_hParent,
                                    reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    m_showMore.m_hWnd = CreateWindowExA(0, "BUTTON", "Show More", 0x50010003, 49, 195, 229, 16, m_hParent,
                                        reinterpret_cast<HMENU>(1026), nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(m_hParent);
    HostTest::TearDown();
  }

  void Check() { SendMessageA(m_showMore.m_hWnd, BM_SETCHECK, BST_CHECKED, 0); }
  void Fill(const std::vector<CLayoutInfo>& layouts) { FillLayoutList(m_list, m_showMore, layouts); }
  std::vector<Item> Items() const { return ::Items(m_list.m_hWnd); }
  int CurSel() const { return ::CurSel(m_list.m_hWnd); }
  bool ShowMoreVisible() const { return IsWindowVisible(m_showMore.m_hWnd) != FALSE; }
  int SelectionRequests() const { return CountSent(m_list.m_hWnd, LB_SELECTSTRING); }

  HWND m_hParent = nullptr;
  CListBox m_list;
  CButton m_showMore;
};

struct ViewCase {
  const char* pszName;
  std::vector<Layout> layouts;
  std::vector<std::string> preload;
  bool bChecked;
  std::vector<Item> items;  // in list order
  int nMarked;              // the current item, LB_ERR for none
};

void PrintTo(const ViewCase& c, std::ostream* os) { *os << c.pszName; }

class LayoutListView : public LayoutList, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(LayoutListView, ListsMarksAndKeepsTheCheckBox) {
  const ViewCase& c = GetParam();
  SetPreload(c.preload);
  if (c.bChecked) Check();
  Fill(MakeLayouts(c.layouts));
  EXPECT_EQ(Items(), c.items);
  EXPECT_EQ(CurSel(), c.nMarked);
  EXPECT_EQ(SelectionRequests(), c.nMarked == LB_ERR ? 0 : 1);
  EXPECT_TRUE(ShowMoreVisible());
}

const std::vector<std::string> kExamplePreload = {"00000419", "00000409", "0000040d"};

INSTANTIATE_TEST_SUITE_P(
    Views, LayoutListView,
    ::testing::Values(
        // The preload view in preload order, Hebrew left out; the first one listed is marked.
        ViewCase{"ExamplePreloadView", kSixLayouts, kExamplePreload, false, {{"Russian", 2}, {"US", 0}}, 0},
        // Russian and Hebrew left out by language, layout 5 as the same layout as 0.
        ViewCase{"ExampleFullView",
                 kSixLayouts,
                 kExamplePreload,
                 true,
                 {{"German", 1}, {"United States-International", 4}, {"US", 0}},
                 2},
        // Each sublanguage of Hebrew is left out; another excluded language is not.
        ViewCase{"PreloadViewLeavesOutEveryHebrew",
                 {{"0000080d", "KBDHEB2.DLL", "Hebrew 2"},
                  {"0001040D", "KBDHEB3.DLL", "Hebrew 3"},
                  {"00000419", "KBDRU.DLL", "Russian"},
                  {"00000409", "KBDUS.DLL", "US"}},
                 {"0000080d", "0001040D", "00000419", "00000409"},
                 false,
                 {{"Russian", 2}, {"US", 3}},
                 0},
        ViewCase{"PreloadViewFindsTheKeyNameIgnoringCase",
                 {{"0000040c", "KBDFR.DLL", "French"}},
                 {"0000040C"},
                 false,
                 {{"French", 0}},
                 0},
        // The remembered key name must match with its letter case.
        ViewCase{"FullViewMarksOnlyTheSameLetterCase",
                 {{"0000040c", "KBDFR.DLL", "French"}},
                 {"0000040C"},
                 true,
                 {{"French", 0}},
                 LB_ERR},
        ViewCase{"PreloadViewTakesTheFirstLayoutOfAKeyName",
                 {{"00000407", "KBDGR.DLL", "German"}, {"00000407", "KBDGR2.DLL", "German (Old)"}},
                 {"00000407"},
                 false,
                 {{"German", 0}},
                 0},
        ViewCase{"PreloadViewListsTwiceWhatIsLoadedTwice",
                 {{"00000409", "KBDUS.DLL", "US"}},
                 {"00000409", "00000409"},
                 false,
                 {{"US", 0}, {"US", 0}},
                 0},
        ViewCase{"PreloadViewSkipsEntriesWithoutAUsableLayout",
                 {{"00000409", "KBDUS.DLL", "US"}},
                 {"00000407", "00000409"},
                 false,
                 {{"US", 0}},
                 0},
        // The mark goes to the first item, in list order, that begins with the text.
        ViewCase{"FullViewListsEqualTextsWithOtherFiles",
                 {{"00000409", "KBDUS.DLL", "US"}, {"00010409", "KBDUS2.DLL", "US"}},
                 {"00000409"},
                 true,
                 {{"US", 1}, {"US", 0}},
                 0},
        ViewCase{"FullViewTellsTextsApartByLetterCase",
                 {{"00000409", "KBDUS.DLL", "US"}, {"00010409", "kbdus.dll", "us"}},
                 {"00000409"},
                 true,
                 {{"us", 1}, {"US", 0}},
                 0},
        ViewCase{"FullViewLeavesOutTheSameLayoutAsAnExcludedOne",
                 {{"00000419", "KBDRU.DLL", "Russian"},
                  {"00000407", "KBDGR.DLL", "German"},
                  {"00000409", "kbdru.dll", "Russian"}},
                 {"00000407"},
                 true,
                 {{"German", 1}},
                 0},
        ViewCase{"FullViewMarksNothingWhenTheRememberedLayoutIsADuplicate",
                 {{"00000407", "KBDUS.DLL", "US"}, {"00000409", "kbdus.dll", "US"}},
                 {"00000409"},
                 true,
                 {{"US", 0}},
                 LB_ERR},
        ViewCase{"FullViewListsAKeyNameWithoutANumber",
                 {{"layout", "KBDX.DLL", "Unnamed"}},
                 {"00000409"},
                 true,
                 {{"Unnamed", 0}},
                 LB_ERR}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.pszName); });

class LayoutListWithoutConvertiblePreload : public LayoutList,
                                            public ::testing::WithParamInterface<std::vector<std::string>> {};

// Without a convertible preloaded layout the check box goes and the full
// view shows, whatever the box's state, with nothing marked.
TEST_P(LayoutListWithoutConvertiblePreload, HidesTheCheckBoxAndShowsTheFullView) {
  SetPreload(GetParam());
  Fill(MakeLayouts(kSixLayouts));
  EXPECT_FALSE(ShowMoreVisible());
  EXPECT_EQ(Items(), (std::vector<Item>{{"German", 1}, {"United States-International", 4}, {"US", 0}}));
  EXPECT_EQ(CurSel(), LB_ERR);
  EXPECT_EQ(SelectionRequests(), 0);
  EXPECT_EQ(CountSent(m_showMore.m_hWnd, BM_GETCHECK), 0);
}

INSTANTIATE_TEST_SUITE_P(Preloads, LayoutListWithoutConvertiblePreload,
                         ::testing::Values(std::vector<std::string>{"0000040d", "00000419"},
                                           std::vector<std::string>{}));

TEST_F(LayoutList, EmptiesTheListFirstAndRefillsItOnEachCall) {
  SetPreload(kExamplePreload);
  const std::vector<CLayoutInfo> layouts = MakeLayouts(kSixLayouts);
  Fill(layouts);
  Check();
  Fill(layouts);
  EXPECT_EQ(Items(), (std::vector<Item>{{"German", 1}, {"United States-International", 4}, {"US", 0}}));
  SendMessageA(m_showMore.m_hWnd, BM_SETCHECK, BST_UNCHECKED, 0);
  SetPreload({"00000407"});
  Fill(layouts);
  EXPECT_EQ(Items(), (std::vector<Item>{{"German", 1}}));
}

TEST_F(LayoutList, PreloadFailureLeavesTheListEmptyAndTheCheckBoxAlone) {
  SendMessageA(m_list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("left over"));
  Check();
  EXPECT_EQ(ThrownText([&] { Fill(MakeLayouts(kSixLayouts)); }),
            "Problem with Windows Registry: Unable to open subkey: keyboard layout\\Preload");
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(ShowMoreVisible());
  EXPECT_EQ(SendMessageA(m_showMore.m_hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SelectionRequests(), 0);
}

TEST_F(LayoutList, AnItemTheListRefusesGetsNoItemDataAndTheFillingGoesOn) {
  SetPreload(kExamplePreload);
  Check();
  host::ListBoxFaults().failingAdds = {1};  // German, the second layout listed
  Fill(MakeLayouts(kSixLayouts));
  EXPECT_EQ(Items(), (std::vector<Item>{{"United States-International", 4}, {"US", 0}}));
  EXPECT_EQ(CountSent(m_list.m_hWnd, LB_SETITEMDATA), 2);
  EXPECT_EQ(CurSel(), 1);
}

TEST(IsSameLayout, ComparesTextsExactlyAndFileNamesIgnoringCase) {
  const struct {
    Layout a, b;
    bool bSame;
  } cases[] = {
      {{"00000409", "KBDUS.DLL", "US"}, {"00010409", "kbdus.dll", "US"}, true},
      {{"00000409", "KBDUS.DLL", "US"}, {"00000409", "KBDUS.DLL", "us"}, false},
      {{"00000409", "KBDUS.DLL", "US"}, {"00000409", "KBDUS2.DLL", "US"}, false},
      {{"00000409", "", "US"}, {"00000407", "", "US"}, true},
      {{"00000409", "KBDUS.DLL", "US "}, {"00000409", "KBDUS.DLL", "US"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a.pszText) + "|" + c.a.pszFile + " vs " + c.b.pszText + "|" + c.b.pszFile);
    const std::vector<CLayoutInfo> pair = MakeLayouts({c.a, c.b});
    EXPECT_EQ(IsSameLayout(pair[0], pair[1]), c.bSame);
    EXPECT_EQ(IsSameLayout(pair[1], pair[0]), c.bSame);
  }
}

// The look-ups behind FillLayoutList against the rules applied literally, one
// layout against every earlier one, on many layouts whose texts, file names
// and key names differ in letter case and, in a double-byte code page, in
// double-byte characters that letter case must not touch.
class LayoutListAgainstTheRules : public LayoutList, public ::testing::WithParamInterface<unsigned> {
 protected:
  static bool Equal(LPCSTR a, LPCSTR b, bool bIgnoreCase) {
    const unsigned char* pa = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* pb = reinterpret_cast<const unsigned char*>(b);
    return (bIgnoreCase ? _mbsicmp(pa, pb) : _mbscmp(pa, pb)) == 0;
  }

  static std::vector<std::size_t> FullView(const std::vector<CLayoutInfo>& layouts) {
    std::vector<std::size_t> listed;
    for (std::size_t n = 0; n < layouts.size(); ++n) {
      bool bEarlier = false;
      for (std::size_t m = 0; m < n && !bEarlier; ++m)
        bEarlier = Equal(layouts[m].m_strLayoutText, layouts[n].m_strLayoutText, false) &&
                   Equal(layouts[m].m_strLayoutFile, layouts[n].m_strLayoutFile, true);
      const LANGID id = static_cast<LANGID>(std::strtoul(layouts[n].m_strKeyName, nullptr, 16));
      if (!bEarlier && PRIMARYLANGID(id) != LANG_RUSSIAN) listed.push_back(n);
    }
    return listed;
  }

  static std::vector<std::size_t> PreloadView(const std::vector<CLayoutInfo>& layouts,
                                              const std::vector<std::string>& preload) {
    std::vector<std::size_t> listed;
    for (const std::string& keyName : preload)
      for (std::size_t n = 0; n < layouts.size(); ++n)
        if (Equal(layouts[n].m_strKeyName, keyName.c_str(), true)) {
          listed.push_back(n);
          break;
        }
    return listed;
  }

  // The listed layout numbers, sorted, to compare sets of items.
  std::vector<std::size_t> ListedNumbers() const {
    std::vector<std::size_t> numbers;
    for (const Item& item : Items()) numbers.push_back(item.nData);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
  }
};

TEST_P(LayoutListAgainstTheRules, ListsWhatTheRulesList) {
  host::Kernel().nAnsiCodePage = 932;
  std::mt19937 random(GetParam());
  auto pick = [&](const std::vector<std::string>& choices) { return choices[random() % choices.size()]; };
  // 0x82 0x60 and 0x82 0x81 are two double-byte characters; their second
  // bytes alone would read as ` and as a single-byte character.
  const std::vector<std::string> texts = {"US", "us", "Us", "German", "GERMAN", "\x82\x60", "\x82\x81", "a\x82\x41"};
  const std::vector<std::string> files = {"kbdus.dll", "KBDUS.DLL", "kbdgr.dll", "\x82\x60.dll", "\x82\x81.DLL",
                                          "\x82\x41.dll", "\x82\x61.dll", "KBD\x82\x60.dll"};
  const std::vector<std::string> keyNames = {"00000409", "0000040A", "0000040a", "00000419", "0001041A",
                                             "0001041a", "x\x82\x41", "X\x82\x41", "x\x82\x61"};
  std::vector<Layout> layouts;
  std::vector<std::string> storage;
  storage.reserve(3 * 400);
  for (int i = 0; i < 400; ++i) {
    storage.push_back(pick(keyNames));
    storage.push_back(pick(files));
    storage.push_back(pick(texts));
    layouts.push_back({storage[storage.size() - 3].c_str(), storage[storage.size() - 2].c_str(),
                       storage[storage.size() - 1].c_str()});
  }
  std::vector<std::string> preload;
  for (int i = 0; i < 12; ++i) preload.push_back(pick(keyNames));
  preload.insert(preload.begin(), "0000040a");  // convertible, so the preload view can show
  const std::vector<CLayoutInfo> infos = MakeLayouts(layouts);
  SetPreload(preload);

  Fill(infos);
  std::vector<std::size_t> expected = PreloadView(infos, preload);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListedNumbers(), expected);

  Check();
  Fill(infos);
  EXPECT_EQ(ListedNumbers(), FullView(infos));
}

INSTANTIATE_TEST_SUITE_P(Seeds, LayoutListAgainstTheRules, ::testing::Values(1u, 2u, 3u, 4u, 5u));

}  // namespace
