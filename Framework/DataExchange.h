// Data exchange between a dialog's members and its controls, run by
// UpdateData through the dialog's DoDataExchange.
#pragma once

#include "Framework/CString.h"
#include "Framework/CWnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CWnd* m_pDlgWnd;
};

// Binds the control object to the dialog's child window nIDC the first
// time; afterwards does nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The text of the dialog's child window nIDC, to or from the string.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
