// The checker dialog, the program's main window: the verdict message, the
// keyboard layouts that may be converted, and the check box that widens
// that list.
#pragma once

#include "Framework/CButton.h"
#include "Framework/CDialog.h"
#include "Framework/CListBox.h"
#include "Framework/CString.h"
#include "Morvane/LayoutCatalogue.h"
#include "Morvane/resource.h"

#include <vector>

class CCheckerDlg : public CDialog {
 public:
  enum { IDD = IDD_CHECKER };

  // Takes its own copy of the usable layouts; throws what GetUsableLayouts
  // throws.
  explicit CCheckerDlg(CString strMessage, CWnd* pParent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  const CMessageMap* GetMessageMap() const override;

 private:
  void OnShowMoreClicked();
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();

  CButton m_chkShowMore;
  CListBox m_lstLayouts;
  CString m_strMessage;
  HICON m_hIcon = nullptr;  // shared by the system: nothing to release
  // In catalogue order, never changed: the list's item data are positions in it.
  std::vector<CLayoutInfo> m_usableLayouts;
};
