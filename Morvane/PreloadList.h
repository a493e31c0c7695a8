// The keyboard layouts loaded for the user, in preload order, with the
// user's layout substitutes applied.
#pragma once

#include "Framework/CString.h"

#include <vector>

class CPreloadEntry {
 public:
  int m_nOrder = 0;      // the number in the entry's name
  CString m_strKeyName;  // the layout key name it loads, after substitution
};

// Empties the list and fills it anew, sorted by m_nOrder (equal numbers in
// no defined order). Throws CMsgException when the preload list cannot be
// read; failures while the substitutes are read are dropped.
void ReadPreloadList(std::vector<CPreloadEntry>& list);
