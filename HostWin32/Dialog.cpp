#include "HostWin32/Dialog.h"

#include "HostWin32/Button.h"
#include "HostWin32/DialogTemplate.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Resources.h"
#include "HostWin32/Shell.h"
#include "HostWin32/Windows.h"

#include <deque>

namespace host {
namespace {

struct CModalState {
  HWND hDlg;
  bool bEnded;
  INT_PTR nResult;
};

std::deque<CModalStep> g_steps;
std::vector<CModalState> g_modal;  // innermost last
int g_nAbandoned = 0;

// Dialog units to pixels with the base units of the classic 8-point font.
const int kBaseUnitX = 6;
const int kBaseUnitY = 13;

RECT DialogRect(int x, int y, int cx, int cy) {
  return {x * kBaseUnitX / 4, y * kBaseUnitY / 8, (x + cx) * kBaseUnitX / 4, (y + cy) * kBaseUnitY / 8};
}

// Results that the dialog procedure returns itself rather than through
// DWLP_MSGRESULT.
bool IsDirectResult(UINT nMessage) {
  return nMessage == WM_INITDIALOG || nMessage == WM_QUERYDRAGICON || nMessage == WM_COMPAREITEM ||
         nMessage == WM_VKEYTOITEM || nMessage == WM_CHARTOITEM ||
         (nMessage >= WM_CTLCOLORMSGBOX && nMessage <= WM_CTLCOLORSTATIC);
}

CModalState* Modal(HWND hDlg) {
  for (CModalState& state : g_modal)
    if (state.hDlg == hDlg) return &state;
  return nullptr;
}

HWND FirstTabStop(HWND hDlg) {
  for (HWND hWnd : Windows()) {
    CWindow* window = Window(hWnd);
    if (window->hParent == hDlg && (window->dwStyle & WS_CHILD) && (window->dwStyle & WS_TABSTOP) &&
        window->bVisible && window->bEnabled)
      return hWnd;
  }
  return nullptr;
}

HWND CreateFromTemplate(const CDialogTemplate& tmpl, HWND hOwner, DLGPROC pfnDlgProc) {
  RECT rect = DialogRect(tmpl.x, tmpl.y, tmpl.cx, tmpl.cy);
  RECT rcOwner;
  if (hOwner && !(tmpl.dwStyle & DS_ABSALIGN) && GetWindowRect(hOwner, &rcOwner)) {
    rect.left += rcOwner.left;
    rect.right += rcOwner.left;
    rect.top += rcOwner.top;
    rect.bottom += rcOwner.top;
  }
  HWND hDlg = MakeWindow("#32770", tmpl.dwExStyle, tmpl.strTitle.c_str(), tmpl.dwStyle & ~WS_VISIBLE, rect, hOwner, 0);
  Window(hDlg)->dlgValues[1] = reinterpret_cast<LONG_PTR>(pfnDlgProc);
  for (const CDialogItemTemplate& item : tmpl.items) {
    std::string strClass =
        item.windowClass.bOrdinal ? ClassOfOrdinal(item.windowClass.wOrdinal) : item.windowClass.strText;
    int nId = tmpl.bExtended ? static_cast<int>(item.dwId) : static_cast<WORD>(item.dwId);
    if (MakeWindow(strClass, item.dwExStyle, item.title.strText.c_str(), item.dwStyle | WS_CHILD,
                   DialogRect(item.x, item.y, item.cx, item.cy), hDlg, nId) == nullptr) {
      DestroyWindow(hDlg);
      return nullptr;
    }
  }
  return hDlg;
}

}  // namespace

void QueueModalStep(CModalStep step) { g_steps.push_back(std::move(step)); }

void PressKey(HWND hDlg, int nVirtualKey) {
  int nId;
  if (nVirtualKey == VK_RETURN) {
    LRESULT defId = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
    nId = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK;
  } else if (nVirtualKey == VK_ESCAPE) {
    nId = IDCANCEL;
  } else {
    return;
  }
  HWND hButton = GetDlgItem(hDlg, nId);
  if (hButton && !IsWindowEnabled(hButton)) return;
  SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
}

int AbandonedModalLoops() { return g_nAbandoned; }

LRESULT DialogWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  CWindow* window = Window(hWnd);
  DLGPROC pfnDlgProc = reinterpret_cast<DLGPROC>(window->dlgValues[1]);
  window->dlgValues[0] = 0;
  INT_PTR nResult = pfnDlgProc ? pfnDlgProc(hWnd, Msg, wParam, lParam) : FALSE;
  if (nResult) return IsDirectResult(Msg) ? nResult : Window(hWnd)->dlgValues[0];
  switch (Msg) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
      return 0;
    case DM_GETDEFID:
      for (HWND hChild : Windows()) {
        CWindow* child = Window(hChild);
        if (child->hParent == hWnd && child->strClass == "BUTTON" &&
            (child->dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
          return MAKELONG(child->nId, DC_HASDEFID);
      }
      return 0;
    case WM_CLOSE: {
      HWND hCancel = GetDlgItem(hWnd, IDCANCEL);
      if (hCancel && !IsWindowEnabled(hCancel)) return 0;
      SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(hCancel));
      return 0;
    }
    default:
      return DefWindowProcA(hWnd, Msg, wParam, lParam);
  }
}

void ResetDialogs() {
  g_steps.clear();
  g_modal.clear();
  g_nAbandoned = 0;
}

}  // namespace host

INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
  const host::CResource* resource = hInstance == GetModuleHandleA(nullptr) && IS_INTRESOURCE(lpTemplateName)
                                        ? host::ModuleResource(RT_DIALOG, LOWORD(lpTemplateName))
                                        : nullptr;
  host::CDialogTemplate tmpl;
  if (resource == nullptr || !host::ParseDialogTemplate(resource->data, tmpl)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return -1;
  }
  HWND hDlg = host::CreateFromTemplate(tmpl, hWndParent, lpDialogFunc);
  if (hDlg == nullptr) return -1;
  host::g_modal.push_back({hDlg, false, 0});
  if (tmpl.dwStyle & DS_SETFONT) SendMessageA(hDlg, WM_SETFONT, 0, FALSE);
  HWND hFirst = host::FirstTabStop(hDlg);
  if (SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), dwInitParam)) SetFocus(hFirst);

  bool bOwnerEnabled = hWndParent && IsWindowEnabled(hWndParent);
  if (bOwnerEnabled) EnableWindow(hWndParent, FALSE);
  if (!host::Modal(hDlg)->bEnded) ShowWindow(hDlg, SW_SHOWNORMAL);
  while (!host::Modal(hDlg)->bEnded) {
    if (host::g_steps.empty()) {
      ++host::g_nAbandoned;
      EndDialog(hDlg, -1);
      break;
    }
    host::CModalStep step = std::move(host::g_steps.front());
    host::g_steps.pop_front();
    step(hDlg);
  }
  INT_PTR nResult = host::Modal(hDlg)->nResult;
  host::g_modal.pop_back();
  if (bOwnerEnabled) EnableWindow(hWndParent, TRUE);
  DestroyWindow(hDlg);
  return nResult;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
  host::CModalState* state = host::Modal(hDlg);
  if (state == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->bEnded = true;
  state->nResult = nResult;
  return TRUE;
}
