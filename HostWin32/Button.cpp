#include "HostWin32/Button.h"

#include "HostWin32/Windows.h"

namespace host {
namespace {

struct CButtonData : CWindowExtra {
  WPARAM nCheck = BST_UNCHECKED;
};

bool IsCheckBox(DWORD dwStyle) {
  DWORD dwType = dwStyle & BS_TYPEMASK;
  return dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX;
}

}  // namespace

LRESULT ButtonWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  CWindow& window = *Window(hWnd);
  CButtonData& data = Extra<CButtonData>(hWnd);
  switch (Msg) {
    case BM_GETCHECK:
      return IsCheckBox(window.dwStyle) ? static_cast<LRESULT>(data.nCheck) : BST_UNCHECKED;
    case BM_SETCHECK:
      if (IsCheckBox(window.dwStyle)) data.nCheck = wParam;
      return 0;
    case BM_CLICK:
      // Like a click of the mouse: hidden buttons take it too.
      if ((window.dwStyle & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        data.nCheck = data.nCheck == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
      SendMessageA(window.hParent, WM_COMMAND, MAKEWPARAM(window.nId, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
      return 0;
    default:
      return DefWindowProcA(hWnd, Msg, wParam, lParam);
  }
}

}  // namespace host
