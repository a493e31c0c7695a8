#include "Framework/AfxMessageBox.h"

#include "Framework/CWinApp.h"
#include "Framework/CWnd.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
        nType |= MB_ICONEXCLAMATION;
        break;
      case MB_YESNO:
        nType |= MB_ICONQUESTION;
        break;
    }
  }
  CWinApp* pApp = AfxGetApp();
  HWND hWndOwner = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
  LPCSTR pszCaption = pApp ? static_cast<LPCSTR>(pApp->m_strTitle) : "";
  return MessageBoxA(hWndOwner, lpszText, pszCaption, nType);
}
