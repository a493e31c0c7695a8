#include "Framework/CException.h"

#include "Framework/AfxMessageBox.h"

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) {
  if (nMaxError != 0) lpszError[0] = '\0';
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  char szMessage[512];
  if (GetErrorMessage(szMessage, sizeof szMessage)) return AfxMessageBox(szMessage, nType);
  return AfxMessageBox(AfxFrameworkText(nMessageID ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE), nType);
}

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

LPCSTR AfxFrameworkText(UINT nID) {
  switch (nID) {
    case AFX_IDP_INTERNAL_FAILURE:
      return "Internal application error.";
    case AFX_IDP_COMMAND_FAILURE:
      return "Command failed.";
    default:
      return "No error message is available.";
  }
}
