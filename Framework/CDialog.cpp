#include "Framework/CDialog.h"

#include "Framework/CMemoryException.h"
#include "Framework/CWinApp.h"

#include <new>

namespace {

// Reported in place of exceptions that are no CException: nothing can be
// allocated for them while memory is short, and other kinds have no text.
CMemoryException g_outOfMemory(FALSE);
CException g_unknownException(FALSE);

const DWORD kSelfPlacing = DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;

// The messages whose result the dialog procedure returns itself; every other
// result goes through DWLP_MSGRESULT.
bool IsDirectResult(UINT nMessage) {
  return nMessage == WM_INITDIALOG || nMessage == WM_QUERYDRAGICON || nMessage == WM_COMPAREITEM ||
         nMessage == WM_VKEYTOITEM || nMessage == WM_CHARTOITEM ||
         (nMessage >= WM_CTLCOLORMSGBOX && nMessage <= WM_CTLCOLORSTATIC);
}

bool Matches(const CMessageMapEntry& entry, UINT nMessage, WPARAM wParam) {
  if (entry.nMessage != nMessage) return false;
  return nMessage != WM_COMMAND || (entry.nCode == HIWORD(wParam) && entry.nID == LOWORD(wParam));
}

LRESULT ReportAndDelete(CException* e, const MSG& msg) {
  CWinApp* pApp = AfxGetApp();
  LRESULT lResult = pApp ? pApp->ProcessWndProcException(e, &msg) : 0;
  e->Delete();
  return lResult;
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
  HWND hWndParent = nullptr;
  if (m_pParentWnd) {
    hWndParent = m_pParentWnd->m_hWnd;
  } else if (CWinApp* pApp = AfxGetApp()) {
    if (pApp->m_pMainWnd && pApp->m_pMainWnd != this) hWndParent = pApp->m_pMainWnd->m_hWnd;
  }
  INT_PTR nResult = ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hWndParent,
                                      &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return nResult;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

const CMessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

const CMessageMap* CDialog::GetThisMessageMap() {
  static const CMessageMapEntry kEntries[] = {
      OnCommand<&CDialog::OnOK>(BN_CLICKED, IDOK),
      OnCommand<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
  };
  static const CMessageMap kMap = {nullptr, kEntries, sizeof kEntries / sizeof kEntries[0]};
  return &kMap;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  CDialog* pDlg;
  if (nMessage == WM_INITDIALOG) {
    pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->m_hWnd = hWnd;
    ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
  } else {
    // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
    pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (pDlg == nullptr) return FALSE;
  }
  return pDlg->Dispatch(nMessage, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT nMessage, WPARAM wParam, LPARAM lParam) {
  CHandling handling = {{m_hWnd, nMessage, wParam, lParam, 0, {0, 0}}, false};
  CHandling* pOuter = m_pHandling;
  m_pHandling = &handling;
  LRESULT lResult = 0;
  bool bHandled = true;
  bool bThrown = true;
  try {
    bHandled = Handle(nMessage, wParam, lParam, lResult);
    bThrown = false;
  } catch (CException* e) {
    lResult = ReportAndDelete(e, handling.msg);
  } catch (const std::bad_alloc&) {
    lResult = ReportAndDelete(&g_outOfMemory, handling.msg);
  } catch (...) {
    lResult = ReportAndDelete(&g_unknownException, handling.msg);
  }
  m_pHandling = pOuter;
  // After a throw the report's result stands, even if the handler had asked
  // for the default processing before it threw.
  if (!bHandled || (handling.bDefault && !bThrown)) return FALSE;
  if (IsDirectResult(nMessage)) return lResult;
  ::SetWindowLongPtrA(handling.msg.hwnd, DWLP_MSGRESULT, lResult);
  return TRUE;
}

bool CDialog::Handle(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
  if (nMessage == WM_INITDIALOG) {
    InitDialog(lResult);
    return true;
  }
  for (const CMessageMap* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    for (std::size_t i = 0; i < pMap->nEntries; ++i)
      if (Matches(pMap->pEntries[i], nMessage, wParam)) {
        lResult = pMap->pEntries[i].pfnHandler(this, wParam, lParam);
        return true;
      }
  return false;
}

// A dialog that neither asks for a placement of its own nor moves itself
// while it initialises is centred; one whose initialisation throws is not.
void CDialog::InitDialog(LRESULT& lResult) {
  RECT rcBefore;
  ::GetWindowRect(m_hWnd, &rcBefore);
  lResult = OnInitDialog();
  RECT rcAfter;
  ::GetWindowRect(m_hWnd, &rcAfter);
  const bool bMoved = rcAfter.left != rcBefore.left || rcAfter.top != rcBefore.top;
  if (!(::GetWindowLongA(m_hWnd, GWL_STYLE) & kSelfPlacing) && !bMoved) CenterWindow();
}
