// Stand-in for the window manager: windows with class, id, text, style,
// parent or owner, visibility, enabled state and position; window classes
// with their window procedures; message sending; the window metrics that
// the program asks for. The controls (ListBox.h, Button.h, Static) and the
// dialog manager (Dialog.h) are window classes of their own.
#pragma once

#include "HostWin32/Win32Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef WORD ATOM;
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *LPPOINT;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *LPRECT;

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *LPMSG;

typedef struct tagWNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
} WNDCLASSA;

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_ICONERASEBKGND 0x0027
#define WM_SETFONT 0x0030
#define WM_VKEYTOITEM 0x002E
#define WM_CHARTOITEM 0x002F
#define WM_QUERYDRAGICON 0x0037
#define WM_COMPAREITEM 0x0039
#define WM_SETICON 0x0080
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#define WM_USER 0x0400

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_CLIENTEDGE 0x00000200L

#define SS_LEFT 0x00000000L
#define SS_NOPREFIX 0x00000080L

#define SW_SHOWMINIMIZED 2
#define SW_MINIMIZE 6
#define SW_RESTORE 9

#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)
#define GW_OWNER 4

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010

#define ICON_SMALL 0
#define ICON_BIG 1

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXICON 11
#define SM_CYICON 12

#define SPI_GETWORKAREA 0x0030

#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B

#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L

ATOM RegisterClassA(const WNDCLASSA* lpWndClass);
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsIconic(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int GetWindowTextLengthA(HWND hWnd);
LONG GetWindowLongA(HWND hWnd, int nIndex);
LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND GetParent(HWND hWnd);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
int GetSystemMetrics(int nIndex);
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni);

namespace host {

// Data that a built-in window class keeps per window (list box items,
// check state...).
struct CWindowExtra {
  virtual ~CWindowExtra() = default;
};

struct CWindow {
  std::string strClass;  // as registered: "LISTBOX", "BUTTON", "STATIC", "#32770"...
  WNDPROC pfnWndProc = nullptr;
  int nId = 0;
  std::string strText;
  DWORD dwStyle = 0;
  DWORD dwExStyle = 0;
  HWND hParent = nullptr;  // the parent of a child window, the owner of a popup
  bool bVisible = false;
  bool bEnabled = true;
  bool bIconic = false;
  bool bDestroyed = false;
  bool bNeedsPaint = false;
  RECT rect = {0, 0, 0, 0};  // screen coordinates; the stand-in draws no frame, so this is the client area too
  LONG_PTR nUserData = 0;
  LONG_PTR dlgValues[3] = {0, 0, 0};  // DWLP_MSGRESULT, DWLP_DLGPROC, DWLP_USER
  HICON hIconBig = nullptr;
  HICON hIconSmall = nullptr;
  std::vector<UINT> carriedOutSystemCommands;  // standard commands that default processing did
  std::unique_ptr<CWindowExtra> pExtra;
};

struct CSentMessage {
  HWND hWnd;
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
};

struct CScreen {
  RECT rcWorkArea = {0, 0, 1024, 738};
  int nScreenWidth = 1024;
  int nScreenHeight = 768;
  int nIconWidth = 32;
  int nIconHeight = 32;
};

// The window of a handle; null for a handle that was never a window. A
// destroyed window keeps its record (bDestroyed), so stale handles stay
// recognisable.
CWindow* Window(HWND hWnd);
// Live windows, in creation order.
std::vector<HWND> Windows();
// Every message sent to any window, oldest first.
const std::vector<CSentMessage>& SentMessages();
CScreen& Screen();

// Registers a built-in window class of the stand-in.
void RegisterBuiltInClass(const std::string& strName, WNDPROC pfnWndProc);
// Makes the window at once, without sending it anything.
HWND MakeWindow(const std::string& strClass, DWORD dwExStyle, LPCSTR pszText, DWORD dwStyle, const RECT& rect,
                HWND hParent, int nId);
// The window's extra data of the given kind, made on first use.
template <class T>
T& Extra(HWND hWnd) {
  CWindow& window = *Window(hWnd);
  if (!window.pExtra) window.pExtra.reset(new T());
  return static_cast<T&>(*window.pExtra);
}

int OpenWindowCount();
void ResetWindows();

}  // namespace host
