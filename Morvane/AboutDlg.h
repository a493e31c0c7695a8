// The About box, and its item at the end of the checker dialog's system menu.
#pragma once

#include "Framework/CDialog.h"
#include "Morvane/resource.h"

// OK, Enter, Escape and Close end it as in any dialog; it exchanges no data.
class CAboutDlg : public CDialog {
 public:
  enum { IDD = IDD_ABOUT };

  CAboutDlg() : CDialog(IDD) {}
};

// Appends a separator and the About item (command IDM_ABOUT) to the
// dialog's system menu. Appends nothing when the dialog has no system menu
// or the item's text cannot be loaded.
void AddAboutItem(CWnd& dlg);

// True for the About command: its four low bits do not count, nor do the
// bits above the sixteenth.
inline bool IsAboutCommand(UINT nID) { return (nID & 0xFFF0) == IDM_ABOUT; }
