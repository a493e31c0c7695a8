// A modal dialog made from a template in the program's resources. The
// dialog procedure binds the object at WM_INITDIALOG, runs the handlers of
// the message map, and is the one place that catches what they throw: no
// exception may cross the system's own frames.
#pragma once

#include "Framework/CWnd.h"
#include "Framework/DataExchange.h"
#include "Framework/MessageMap.h"

class CDialog : public CWnd {
 public:
  // pParentWnd null: the application's main window owns the dialog.
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs the dialog until it ends; its EndDialog result, or -1 when the
  // dialog could not be created.
  virtual INT_PTR DoModal();
  // Binds the controls and moves the members into them (UpdateData(FALSE)).
  // TRUE: the system gives the focus to the first control that takes it.
  virtual BOOL OnInitDialog();

  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // Enter: UpdateData(TRUE), then ends the dialog with IDOK.
  virtual void OnOK();
  // Escape and Close: ends the dialog with IDCANCEL.
  virtual void OnCancel();

  virtual const CMessageMap* GetMessageMap() const;
  static const CMessageMap* GetThisMessageMap();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT nMessage, WPARAM wParam, LPARAM lParam);
  // False when neither OnInitDialog nor the map handles the message.
  bool Handle(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
  void InitDialog(LRESULT& lResult);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};
