#include "HostWin32/MbString.h"

#include "HostWin32/Kernel.h"

#include <cctype>

namespace {

// Reads one character (one or two bytes) and moves past it.
unsigned NextChar(const unsigned char*& p, bool bFold) {
  unsigned c = *p++;
  if (IsDBCSLeadByte(static_cast<BYTE>(c)) && *p != 0) return (c << 8) | *p++;
  return bFold && c < 0x80 ? static_cast<unsigned>(std::tolower(static_cast<int>(c))) : c;
}

int Compare(const unsigned char* s1, const unsigned char* s2, bool bFold) {
  for (;;) {
    unsigned c1 = NextChar(s1, bFold);
    unsigned c2 = NextChar(s2, bFold);
    if (c1 != c2) return c1 < c2 ? -1 : 1;
    if (c1 == 0) return 0;
  }
}

}  // namespace

int _mbscmp(const unsigned char* s1, const unsigned char* s2) { return Compare(s1, s2, false); }
int _mbsicmp(const unsigned char* s1, const unsigned char* s2) { return Compare(s1, s2, true); }
