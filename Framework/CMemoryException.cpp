#include "Framework/CMemoryException.h"

#include <algorithm>
#include <cstring>

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) {
  static const char kText[] = "Out of memory.";
  if (nMaxError == 0) return FALSE;
  std::size_t n = std::min<std::size_t>(sizeof kText - 1, nMaxError - 1);
  std::memcpy(lpszError, kText, n);
  lpszError[n] = '\0';
  return TRUE;
}
