// The floor of the start-up benchmark: the least a Win32 program can do to
// show a dialog. Same template frame and font as the checker dialog, no
// controls; Enter, Escape and the close button end it.
#include <windows.h>

namespace {

INT_PTR CALLBACK EmptyDialogProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM) {
  if (nMessage == WM_INITDIALOG) return TRUE;
  if (nMessage == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hDlg, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(hInstance, MAKEINTRESOURCEA(1), nullptr, EmptyDialogProc, 0);
  return 0;
}
