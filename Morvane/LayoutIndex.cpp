#include "Morvane/LayoutIndex.h"

#include "Morvane/LayoutList.h"

namespace {

bool EqualNoCase(LPCSTR a, LPCSTR b) {
  return _mbsicmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b)) == 0;
}

}  // namespace

std::string CaseBlindKey(LPCSTR psz) {
  std::string key;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(psz); *p; ++p) {
    if (IsDBCSLeadByte(*p) && p[1] != 0) {
      key += "\x80\x80";
      ++p;
    } else if (*p >= 0x80) {
      key += '\x80';
    } else {
      key += static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
    }
  }
  return key;
}

CSameLayoutIndex::CSameLayoutIndex(const std::vector<CLayoutInfo>& layouts) : m_layouts(layouts) {
  m_firsts.reserve(layouts.size());
}

bool CSameLayoutIndex::HasEarlier(std::size_t n) {
  const CLayoutInfo& layout = m_layouts[n];
  // The text counts byte for byte; a zero byte cannot occur in it.
  std::string key = std::string(layout.m_strLayoutText) + '\0' + CaseBlindKey(layout.m_strLayoutFile);
  auto range = m_firsts.equal_range(key);
  for (auto it = range.first; it != range.second; ++it)
    if (IsSameLayout(m_layouts[it->second], layout)) return true;
  // Being the same layout is an equivalence, so the first of each kind
  // stands for all of its kind.
  m_firsts.emplace(std::move(key), n);
  return false;
}

CKeyNameIndex::CKeyNameIndex(const std::vector<CLayoutInfo>& layouts) : m_layouts(layouts) {
  m_firsts.reserve(layouts.size());
  for (std::size_t n = 0; n < layouts.size(); ++n)
    if (FindFirst(layouts[n].m_strKeyName) < 0) m_firsts.emplace(CaseBlindKey(layouts[n].m_strKeyName), n);
}

int CKeyNameIndex::FindFirst(LPCSTR pszKeyName) const {
  // Only the first layout of each key name is kept, so at most one matches.
  auto range = m_firsts.equal_range(CaseBlindKey(pszKeyName));
  for (auto it = range.first; it != range.second; ++it)
    if (EqualNoCase(m_layouts[it->second].m_strKeyName, pszKeyName)) return static_cast<int>(it->second);
  return -1;
}
