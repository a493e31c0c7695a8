#include "Framework/DataExchange.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd == nullptr) rControl.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
  if (hControl == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(hControl, value);
    return;
  }
  const int nLength = ::GetWindowTextLengthA(hControl);
  ::GetWindowTextA(hControl, value.GetBuffer(nLength), nLength + 1);
  value.ReleaseBuffer();
}
