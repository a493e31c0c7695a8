// The machine's catalogue of installed keyboard layouts, read once per
// process, and the layouts whose library lies in the system directory.
#pragma once

#include "Framework/CString.h"

#include <vector>

class CLayoutInfo {
 public:
  CString m_strLayoutId;
  CString m_strLayoutFile;  // relative to the system directory
  CString m_strLayoutText;  // the name the user sees
  CString m_strKeyName;     // the layout's subkey, case kept
};

// Reads the registry on the first call only, also when that read fails
// part-way: the catalogue then keeps what was read before the failure.
// Throws CMsgException when the registry cannot be read.
const std::vector<CLayoutInfo>& GetInstalledLayouts();

// Appends (without emptying out first) a copy of each catalogue entry whose
// layout file exists in the system directory, in catalogue order.
void GetUsableLayouts(std::vector<CLayoutInfo>& out);

// The system directory without a trailing backslash; empty when it cannot be
// had (a path too long for MAX_PATH is reported in a box first).
CString GetSystemDirectoryString();

// True when a file or a directory of that path exists.
bool FileExists(LPCSTR pszPath);
