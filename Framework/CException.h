// Base of the exceptions that the framework reports. Exceptions are
// allocated with new, thrown as pointers, and the handler that ends their
// journey calls Delete.
#pragma once

#include "Framework/CObject.h"
#include "Framework/Win32.h"

// Fallback texts for ReportError when an exception has no text of its own.
enum : UINT {
  AFX_IDP_NO_ERROR_AVAILABLE = 0xF020,
  AFX_IDP_INTERNAL_FAILURE = 0xF108,
  AFX_IDP_COMMAND_FAILURE = 0xF109,
};

class CException : public CObject {
 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

  // Copies the exception's text into the buffer; FALSE when it has none.
  virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
  // Shows the text (at most 511 bytes) with AfxMessageBox and the given flags,
  // or the fallback text nMessageID when there is none; returns the answer.
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

  void Delete();

 private:
  BOOL m_bAutoDelete;
};

// The framework's own texts, by the identifiers above.
LPCSTR AfxFrameworkText(UINT nID);
