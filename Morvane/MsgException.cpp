#include "Morvane/MsgException.h"

#include <cstring>

BOOL CMsgException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) {
  const UINT nRoom = nMaxError - 1;
  const UINT nLength = static_cast<UINT>(m_strText.GetLength());
  LPCSTR psz = m_strText;
  UINT n = 0;
  while (n < nLength) {
    UINT nChar = IsDBCSLeadByte(static_cast<BYTE>(psz[n])) && n + 1 < nLength ? 2 : 1;
    if (n + nChar > nRoom) break;
    n += nChar;
  }
  std::memcpy(lpszError, psz, n);
  std::memset(lpszError + n, 0, nMaxError - n);
  return TRUE;
}

void ThrowInternalError(LPCSTR pszSourcePath, int nNumber) {
  CString strTitle;
  SplitPath(pszSourcePath, nullptr, nullptr, &strTitle, nullptr);
  CString strText;
  strText.Format("Internal Error: ID=%s-%d", static_cast<LPCSTR>(strTitle), nNumber);
  throw new CMsgException(strText);
}

void SplitPath(CString strPath, CString* pstrDirectory, CString* pstrFileName, CString* pstrTitle,
               CString* pstrExtension) {
  const int nLength = strPath.GetLength();
  int s = -1;
  for (int i = 0; i < nLength; ++i)
    if (strPath[i] == ':' || strPath[i] == '/' || strPath[i] == '\\') s = i;
  LPCSTR psz = strPath;
  if (pstrDirectory) *pstrDirectory = CString(psz, s + 1);
  if (pstrFileName) *pstrFileName = CString(psz + s + 1);
  if (pstrTitle || pstrExtension) {
    int d = nLength;
    for (int i = nLength - 1; i > s; --i)
      if (strPath[i] == '.') {
        d = i;
        break;
      }
    if (pstrTitle) *pstrTitle = CString(psz + s + 1, d - s - 1);
    if (pstrExtension) *pstrExtension = d < nLength ? CString(psz + d + 1) : CString();
  }
}
