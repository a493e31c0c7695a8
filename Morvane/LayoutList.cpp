#include "Morvane/LayoutList.h"

#include "Morvane/LanguageFilter.h"
#include "Morvane/LayoutIndex.h"
#include "Morvane/PreloadList.h"

#include <algorithm>

namespace {

bool IsConvertibleKeyName(LPCSTR pszKeyName) { return IsConvertibleLanguage(ParseLangId(pszKeyName)); }

// An item the list could not take gets no item data.
void AddLayout(CListBox& list, const CLayoutInfo& layout, std::size_t n) {
  int nIndex = list.AddString(layout.m_strLayoutText);
  if (nIndex >= 0) list.SetItemData(nIndex, static_cast<DWORD_PTR>(n));
}

// Returns the text to mark: that of the layout with the remembered key name
// (letter case counts), if it is listed.
CString FillFullView(CListBox& list, const std::vector<CLayoutInfo>& layouts, CString strRemembered) {
  CString strSelection;
  CSameLayoutIndex earlier(layouts);
  for (std::size_t n = 0; n < layouts.size(); ++n) {
    const CLayoutInfo& layout = layouts[n];
    // Every layout counts as an earlier one for those after it, also one
    // left out for its language.
    const bool bDuplicate = earlier.HasEarlier(n);
    if (!IsConvertibleKeyName(layout.m_strKeyName) || bDuplicate) continue;
    AddLayout(list, layout, n);
    if (!strRemembered.IsEmpty() && layout.m_strKeyName.Compare(strRemembered) == 0) {
      strSelection = layout.m_strLayoutText;
      strRemembered.Empty();
    }
  }
  return strSelection;
}

// Returns the text to mark: that of the first layout listed.
CString FillPreloadView(CListBox& list, const std::vector<CLayoutInfo>& layouts,
                        const std::vector<CPreloadEntry>& preload) {
  CString strSelection;
  CKeyNameIndex byKeyName(layouts);
  for (const CPreloadEntry& entry : preload) {
    if (PRIMARYLANGID(ParseLangId(entry.m_strKeyName)) == LANG_HEBREW) continue;
    int n = byKeyName.FindFirst(entry.m_strKeyName);
    if (n < 0) continue;
    const CLayoutInfo& layout = layouts[static_cast<std::size_t>(n)];
    if (strSelection.IsEmpty()) strSelection = layout.m_strLayoutText;
    AddLayout(list, layout, static_cast<std::size_t>(n));
  }
  return strSelection;
}

}  // namespace

void FillLayoutList(CListBox& list, CButton& showMore, const std::vector<CLayoutInfo>& layouts) {
  list.ResetContent();
  std::vector<CPreloadEntry> preload;
  ReadPreloadList(preload);

  auto firstConvertible = std::find_if(preload.begin(), preload.end(), [](const CPreloadEntry& entry) {
    return IsConvertibleKeyName(entry.m_strKeyName);
  });
  CString strRemembered;
  if (firstConvertible != preload.end())
    strRemembered = firstConvertible->m_strKeyName;
  else
    showMore.ShowWindow(SW_HIDE);

  const bool bFullView = firstConvertible == preload.end() || showMore.GetCheck() != BST_UNCHECKED;
  CString strSelection =
      bFullView ? FillFullView(list, layouts, strRemembered) : FillPreloadView(list, layouts, preload);
  if (!strSelection.IsEmpty()) list.SelectString(-1, strSelection);
}

bool IsSameLayout(const CLayoutInfo& a, const CLayoutInfo& b) {
  return a.m_strLayoutText.Compare(b.m_strLayoutText) == 0 && a.m_strLayoutFile.CompareNoCase(b.m_strLayoutFile) == 0;
}
