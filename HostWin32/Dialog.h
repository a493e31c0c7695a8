// Stand-in for the dialog manager: modal dialogs made from the program's
// templates, the default dialog processing, and a modal loop that runs the
// steps a test queued, one per loop, each with the dialog's window.
#pragma once

#include "HostWin32/Win32Types.h"

#include <functional>

typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define DS_ABSALIGN 0x01L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L

#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC (DWLP_MSGRESULT + static_cast<int>(sizeof(LRESULT)))
#define DWLP_USER (DWLP_DLGPROC + static_cast<int>(sizeof(DLGPROC)))

#define DM_GETDEFID 0x0400
#define DC_HASDEFID 0x534B

INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);

namespace host {

typedef std::function<void(HWND hDlg)> CModalStep;

// Queues a step for the next turn of whichever modal loop runs then: the
// first step runs in the first dialog's loop, a dialog opened by a step takes
// the next one, and so on.
void QueueModalStep(CModalStep step);
// What the dialog manager does with the Enter or Escape key in a dialog.
void PressKey(HWND hDlg, int nVirtualKey);
// Modal loops that ran out of steps before their dialog ended; the stand-in
// ends them with -1 so that a test cannot hang.
int AbandonedModalLoops();

LRESULT DialogWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void ResetDialogs();

}  // namespace host
