// What the layout list relies on from the system's list box, and what the
// stand-in imitates, on a list with the checker dialog's styles: sorted
// insertion that ignores letter case and puts an item before one equal to
// it, item data that moves with its item, and LB_SELECTSTRING's prefix
// search, which sets the current item although the list allows no selection.
#include "Scratch.h"
#include "TestWindow.h"

#include <string>
#include <vector>

namespace {

const DWORD kCheckerListStyle = 0x50A14103;  // LBS_SORT | LBS_NOSEL | LBS_NOTIFY ...

class ListBox : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    m_pParent = new TestWindow();
    m_hList = m_pParent->Child("LISTBOX", "", kCheckerListStyle, 1000);
  }
  void TearDown() override {
    delete m_pParent;
    ContractTest::TearDown();
  }

  int Add(const char* pszText) {
    return static_cast<int>(SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText)));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    const int n = static_cast<int>(SendMessageA(m_hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char szText[256] = "";
      EXPECT_EQ(SendMessageA(m_hList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(szText)),
                SendMessageA(m_hList, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
      texts.push_back(szText);
    }
    return texts;
  }
  LRESULT SelectString(const char* pszText) {
    return SendMessageA(m_hList, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
  }
  LRESULT CurSel() const { return SendMessageA(m_hList, LB_GETCURSEL, 0, 0); }

  TestWindow* m_pParent = nullptr;
  HWND m_hList = nullptr;
};

TEST_F(ListBox, InsertsInAlphabeticalOrderIgnoringLetterCase) {
  const struct {
    const char* pszText;
    int nIndex;  // where it goes
  } adds[] = {
      {"US", 0}, {"German", 0}, {"United States-International", 1}, {"Russian", 1}, {"french", 0}, {"Zulu", 5},
  };
  for (const auto& add : adds) {
    SCOPED_TRACE(add.pszText);
    EXPECT_EQ(Add(add.pszText), add.nIndex);
  }
  EXPECT_EQ(Texts(), (std::vector<std::string>{"french", "German", "Russian", "United States-International", "US",
                                               "Zulu"}));
}

TEST_F(ListBox, PutsAnItemBeforeOneEqualToItButForLetterCase) {
  EXPECT_EQ(Add("US"), 0);
  EXPECT_EQ(Add("German"), 0);
  EXPECT_EQ(Add("us"), 1);
  EXPECT_EQ(Add("US"), 1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"German", "US", "us", "US"}));
}

TEST_F(ListBox, ItemDataMovesWithItsItem) {
  const struct {
    const char* pszText;
    LPARAM nData;
  } adds[] = {{"Russian", 2}, {"US", 0}, {"German", 1}, {"Armenian", 7}, {"us", 5}};
  for (const auto& add : adds) {
    const int nIndex = Add(add.pszText);
    ASSERT_GE(nIndex, 0);
    EXPECT_NE(SendMessageA(m_hList, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), add.nData), LB_ERR);
  }
  const std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts, (std::vector<std::string>{"Armenian", "German", "Russian", "us", "US"}));
  const LRESULT expected[] = {7, 1, 2, 5, 0};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(texts[i]);
    EXPECT_EQ(SendMessageA(m_hList, LB_GETITEMDATA, i, 0), expected[i]);
  }
}

TEST_F(ListBox, SelectStringMakesTheFirstItemWithThePrefixCurrent) {
  for (const char* pszText : {"US", "German", "United States-International", "Russian"}) Add(pszText);
  EXPECT_EQ(CurSel(), LB_ERR);
  const struct {
    const char* pszPrefix;
    LRESULT nIndex;
  } cases[] = {{"US", 3}, {"us", 3}, {"u", 2}, {"RUSS", 1}, {"German", 0}, {"United States-International", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPrefix);
    EXPECT_EQ(SelectString(c.pszPrefix), c.nIndex);
    EXPECT_EQ(CurSel(), c.nIndex);
  }
  EXPECT_EQ(SelectString("Hebrew"), LB_ERR);
  EXPECT_EQ(SelectString("USA"), LB_ERR);
}

TEST_F(ListBox, ResetContentEmptiesTheListAndItsCurrentItem) {
  Add("US");
  Add("German");
  SelectString("US");
  EXPECT_EQ(SendMessageA(m_hList, LB_RESETCONTENT, 0, 0), LB_OKAY);
  EXPECT_EQ(SendMessageA(m_hList, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(CurSel(), LB_ERR);
  EXPECT_EQ(Add("Russian"), 0);
}

TEST_F(ListBox, IndexesPastTheEndAreErrors) {
  Add("US");
  char szText[16] = "";
  EXPECT_EQ(SendMessageA(m_hList, LB_SETITEMDATA, 1, 9), LB_ERR);
  EXPECT_EQ(SendMessageA(m_hList, LB_GETITEMDATA, 1, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_hList, LB_GETTEXTLEN, 1, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_hList, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(szText)), LB_ERR);
  EXPECT_EQ(SendMessageA(m_hList, LB_GETITEMDATA, 0, 0), 0);
}

}  // namespace
