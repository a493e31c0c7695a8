// The program's 8-bit string, in the system's ANSI code page. A thin value
// type over std::string with the operations the program uses.
#pragma once

#include "Framework/Win32.h"

#include <string>

class CString {
 public:
  CString() = default;
  CString(LPCSTR psz) : m_str(psz ? psz : "") {}  // NOLINT: implicit, like the platform's
  CString(LPCSTR pch, int nLength) : m_str(pch, static_cast<std::size_t>(nLength)) {}

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  operator LPCSTR() const { return m_str.c_str(); }
  char operator[](int nIndex) const { return m_str[static_cast<std::size_t>(nIndex)]; }

  CString& operator=(LPCSTR psz);
  CString& operator+=(const CString& str);
  CString& operator+=(LPCSTR psz);
  CString& operator+=(char ch);

  // A writable buffer of nMinBufLength characters plus a terminating zero;
  // every one of those bytes may be written.
  LPSTR GetBuffer(int nMinBufLength);
  // Ends the buffer: with -1 the text runs to the first zero byte, never
  // past the buffer; otherwise it is nNewLength characters long.
  void ReleaseBuffer(int nNewLength = -1);

  void Format(LPCSTR pszFormat, ...);

  // Exact comparison and comparison ignoring letter case, in the current
  // multibyte code page; zero when equal.
  int Compare(LPCSTR psz) const;
  int CompareNoCase(LPCSTR psz) const;

  // String resource nID of the program; the text stays as it was when there is none.
  BOOL LoadString(UINT nID);

 private:
  std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
