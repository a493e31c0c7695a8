#include "Morvane/AboutDlg.h"

#include "Framework/CMenu.h"
#include "Framework/CString.h"

void AddAboutItem(CWnd& dlg) {
  CMenu* pSysMenu = dlg.GetSystemMenu(FALSE);
  if (pSysMenu == nullptr) return;
  CString strAboutMenu;
  strAboutMenu.LoadString(IDS_ABOUT_ITEM);
  if (strAboutMenu.IsEmpty()) return;
  pSysMenu->AppendMenu(MF_SEPARATOR);
  pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT, strAboutMenu);
}
