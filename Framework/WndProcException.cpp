#include "Framework/CMemoryException.h"
#include "Framework/CWinApp.h"

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
  switch (pMsg->message) {
    case WM_CREATE:
      return -1;  // the window is not created
    case WM_PAINT:
      ::ValidateRect(pMsg->hwnd, nullptr);  // else it would be painted again at once
      return 0;
  }
  const bool bCommand = pMsg->message == WM_COMMAND;
  const UINT nFallback = bCommand ? AFX_IDP_COMMAND_FAILURE : AFX_IDP_INTERNAL_FAILURE;
  if (dynamic_cast<CMemoryException*>(e))
    e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, nFallback);
  else
    e->ReportError(MB_ICONSTOP, nFallback);
  return bCommand ? 1 : 0;
}
