#include "Morvane/PreloadList.h"

#include "Common/Registry.h"
#include "Framework/CException.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// The decimal number that the name begins with, after optional white space
// and sign, as sscanf's "%d" reads it; a number beyond the 32-bit range is
// held at its nearer end. False when the name has no number.
bool ReadOrder(LPCSTR pszName, int& nOrder) {
  char* pszEnd = nullptr;
  const long nValue = std::strtol(pszName, &pszEnd, 10);
  if (pszEnd == pszName) return false;
  nOrder = static_cast<int>(std::min<long>(std::max<long>(nValue, INT_MIN), INT_MAX));
  return true;
}

// Each substitute replaces the key name in every entry that loads it, in the
// order the substitutes come, so a chain A to B to C can end at C.
void ApplySubstitutes(std::vector<CPreloadEntry>& list) {
  try {
    std::unique_ptr<CRegIterator> pSubstitutes = OpenUserRegIterator("keyboard layout\\substitutes");
    for (; !pSubstitutes->IsDone(); pSubstitutes->Next())
      for (CPreloadEntry& entry : list)
        if (entry.m_strKeyName.CompareNoCase(pSubstitutes->GetName()) == 0)
          entry.m_strKeyName = pSubstitutes->GetValue();
  } catch (CException* e) {
    // Without substitutes the list is still right for most users.
    e->Delete();
  } catch (...) {
    // Dropped as well, whatever it is.
  }
}

}  // namespace

void ReadPreloadList(std::vector<CPreloadEntry>& list) {
  list.clear();
  std::unique_ptr<CRegIterator> pPreload = OpenUserRegIterator("keyboard layout\\Preload");
  for (; !pPreload->IsDone(); pPreload->Next()) {
    int nOrder;
    if (ReadOrder(pPreload->GetName(), nOrder)) {
      CPreloadEntry entry;
      entry.m_nOrder = nOrder;
      entry.m_strKeyName = pPreload->GetValue();
      list.push_back(entry);
    }
  }
  ApplySubstitutes(list);
  std::sort(list.begin(), list.end(),
            [](const CPreloadEntry& a, const CPreloadEntry& b) { return a.m_nOrder < b.m_nOrder; });
}
