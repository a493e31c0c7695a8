// The program's one exception: a finished text for the user. Internal errors
// name the raising module and a fixed number for the raising site.
#pragma once

#include "Framework/CException.h"
#include "Framework/CString.h"

class CMsgException : public CException {
 public:
  explicit CMsgException(CString strText) : m_strText(strText) {}

  // Copies at most nMaxError - 1 bytes of the text, never half of a
  // double-byte character, and zero-fills the buffer up to its last byte.
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

  const CString& GetText() const { return m_strText; }

 private:
  CString m_strText;
};

// Raises "Internal Error: ID=<title of the source path>-<number>".
[[noreturn]] void ThrowInternalError(LPCSTR pszSourcePath, int nNumber);

// Takes a path apart at its last separator (colon, slash or backslash) and
// the last full stop after it; fills each part asked for.
void SplitPath(CString strPath, CString* pstrDirectory, CString* pstrFileName, CString* pstrTitle,
               CString* pstrExtension);
