#include "Morvane/CheckerDlg.h"

#include "Framework/CPaintDC.h"
#include "Framework/CWinApp.h"
#include "Morvane/AboutDlg.h"
#include "Morvane/LayoutList.h"

CCheckerDlg::CCheckerDlg(CString strMessage, CWnd* pParent) : CDialog(IDD, pParent) {
  m_strMessage = strMessage;
  GetUsableLayouts(m_usableLayouts);
  m_hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_CHECKER));
}

void CCheckerDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SHOW_MORE, m_chkShowMore);
  DDX_Control(pDX, IDC_LAYOUT_LIST, m_lstLayouts);
  DDX_Text(pDX, IDC_MESSAGE_TEXT, m_strMessage);
}

const CMessageMap* CCheckerDlg::GetMessageMap() const {
  static const CMessageMapEntry kEntries[] = {
      OnCommand<&CCheckerDlg::OnShowMoreClicked>(BN_CLICKED, IDC_SHOW_MORE),
      OnMessage<&CCheckerDlg::OnSysCommand>(WM_SYSCOMMAND),
      OnMessage<&CCheckerDlg::OnPaint>(WM_PAINT),
      OnMessage<&CCheckerDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
  };
  static const CMessageMap kMap = {&CDialog::GetThisMessageMap, kEntries, sizeof kEntries / sizeof kEntries[0]};
  return &kMap;
}

// Runs before the dialog is first shown, so the user never sees the list
// unfilled. A failure to read the preload list leaves the list empty; the
// dispatch reports it and the dialog opens all the same.
BOOL CCheckerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddAboutItem(*this);
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  UpdateData(FALSE);
  FillLayoutList(m_lstLayouts, m_chkShowMore, m_usableLayouts);
  return TRUE;  // the focus goes to the first control that takes it, the list
}

// The check box has already changed its state.
void CCheckerDlg::OnShowMoreClicked() {
  UpdateData(TRUE);
  FillLayoutList(m_lstLayouts, m_chkShowMore, m_usableLayouts);
}

void CCheckerDlg::OnSysCommand(UINT nID, LPARAM) {
  if (IsAboutCommand(nID)) {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
  } else {
    Default();
  }
}

// Minimised, the dialog draws its icon centred in its client area.
void CCheckerDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = ::GetSystemMetrics(SM_CXICON);
  const int cyIcon = ::GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - cxIcon + 1) / 2;
  const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

// The cursor while the minimised dialog is dragged.
HCURSOR CCheckerDlg::OnQueryDragIcon() { return m_hIcon; }
