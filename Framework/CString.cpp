#include "Framework/CString.h"

#include "Framework/CWinApp.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

CString& CString::operator=(LPCSTR psz) {
  m_str = psz ? psz : "";
  return *this;
}

CString& CString::operator+=(const CString& str) {
  m_str += str.m_str;
  return *this;
}

CString& CString::operator+=(LPCSTR psz) {
  if (psz) m_str += psz;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_str += ch;
  return *this;
}

LPSTR CString::GetBuffer(int nMinBufLength) {
  // One byte more than asked: the caller may fill the terminating zero's
  // place too, and std::string's own terminator must stay untouched.
  m_str.resize(static_cast<std::size_t>(nMinBufLength < 0 ? 0 : nMinBufLength) + 1);
  return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
  std::size_t n = nNewLength < 0 ? strnlen(m_str.data(), m_str.size()) : static_cast<std::size_t>(nNewLength);
  m_str.resize(n);
}

void CString::Format(LPCSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
  va_end(copy);
  std::vector<char> buffer(static_cast<std::size_t>(n < 0 ? 0 : n) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
  va_end(args);
  m_str.assign(buffer.data(), static_cast<std::size_t>(n < 0 ? 0 : n));
}

int CString::Compare(LPCSTR psz) const {
  return _mbscmp(reinterpret_cast<const unsigned char*>(m_str.c_str()), reinterpret_cast<const unsigned char*>(psz));
}

int CString::CompareNoCase(LPCSTR psz) const {
  return _mbsicmp(reinterpret_cast<const unsigned char*>(m_str.c_str()), reinterpret_cast<const unsigned char*>(psz));
}

BOOL CString::LoadString(UINT nID) {
  // Resource strings may be long; grow the buffer until the text fits.
  std::vector<char> buffer(256);
  for (;;) {
    int n = ::LoadStringA(AfxGetInstanceHandle(), nID, buffer.data(), static_cast<int>(buffer.size()));
    if (n <= 0) return FALSE;
    if (static_cast<std::size_t>(n) < buffer.size() - 1) {
      m_str.assign(buffer.data(), static_cast<std::size_t>(n));
      return TRUE;
    }
    buffer.resize(buffer.size() * 2);
  }
}

CString operator+(const CString& a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}
CString operator+(const CString& a, LPCSTR b) {
  CString r(a);
  r += b;
  return r;
}
CString operator+(LPCSTR a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}
bool operator==(const CString& a, const CString& b) { return std::strcmp(a, b) == 0 && a.GetLength() == b.GetLength(); }
bool operator==(const CString& a, LPCSTR b) { return std::strcmp(a, b ? b : "") == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
