// Stand-in for the BUTTON window class: push buttons and check boxes, with
// their check state, BM_CLICK and the BN_CLICKED notification.
#pragma once

#include "HostWin32/Win32Types.h"

#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_TYPEMASK 0x0000000FL

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5

#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001

#define BN_CLICKED 0

namespace host {

LRESULT ButtonWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

}  // namespace host
