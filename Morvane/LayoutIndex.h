// Look-ups that keep the filling of the layout list linear in the number of
// layouts: each answers in about constant time from a hash on a key that is
// equal whenever the exact comparison can say "equal", and then confirms
// with that comparison itself.
#pragma once

#include "Morvane/LayoutCatalogue.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// Which layouts are the same layout (IsSameLayout) as one before them.
class CSameLayoutIndex {
 public:
  explicit CSameLayoutIndex(const std::vector<CLayoutInfo>& layouts);

  // True when a layout numbered below n is the same layout as layout n.
  // Layouts are passed in ascending order, each once, whatever is done
  // with them afterwards.
  bool HasEarlier(std::size_t n);

 private:
  const std::vector<CLayoutInfo>& m_layouts;
  // The first layout of each kind, by text and case-blind file name.
  std::unordered_multimap<std::string, std::size_t> m_firsts;
};

// The first layout, by ascending number, with a given key name, letter case
// ignored as _mbsicmp ignores it.
class CKeyNameIndex {
 public:
  explicit CKeyNameIndex(const std::vector<CLayoutInfo>& layouts);

  // The layout's number, or -1 when no layout has that key name.
  int FindFirst(LPCSTR pszKeyName) const;

 private:
  const std::vector<CLayoutInfo>& m_layouts;
  std::unordered_multimap<std::string, std::size_t> m_firsts;
};

// A text folded so that texts equal under _mbsicmp fold alike: ASCII letters
// in lower case, and each other character, of one byte or two, as the same
// number of 0x80 bytes. Some unequal texts fold alike too; callers confirm.
std::string CaseBlindKey(LPCSTR psz);
