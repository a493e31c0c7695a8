#include "ProcessWindows.h"

#include <cstdlib>

namespace {

const UINT kReplyTimeoutMs = 5000;

struct CSearch {
  DWORD dwProcessId;
  std::vector<HWND>* pFound;
};

BOOL CALLBACK CollectIfVisible(HWND hWnd, LPARAM lParam) {
  CSearch* pSearch = reinterpret_cast<CSearch*>(lParam);
  DWORD dwOwner = 0;
  GetWindowThreadProcessId(hWnd, &dwOwner);
  if (dwOwner == pSearch->dwProcessId && IsWindowVisible(hWnd)) pSearch->pFound->push_back(hWnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD dwProcessId) {
  std::vector<HWND> found;
  CSearch search = {dwProcessId, &found};
  EnumWindows(CollectIfVisible, reinterpret_cast<LPARAM>(&search));
  return found;
}

std::vector<HWND> ChildWindows(HWND hWnd) {
  std::vector<HWND> children;
  for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
    children.push_back(hChild);
  return children;
}

std::wstring ClassNameOf(HWND hWnd) {
  wchar_t szClass[256] = L"";
  GetClassNameW(hWnd, szClass, 256);
  return szClass;
}

std::wstring TextOf(HWND hWnd) {
  DWORD_PTR nLength = 0;
  if (!SendMessageTimeoutW(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &nLength)) return L"";
  std::wstring strText(nLength + 1, L'\0');
  DWORD_PTR nCopied = 0;
  SendMessageTimeoutW(hWnd, WM_GETTEXT, strText.size(), reinterpret_cast<LPARAM>(&strText[0]), SMTO_ABORTIFHUNG,
                      kReplyTimeoutMs, &nCopied);
  strText.resize(nCopied);
  return strText;
}

HWND FindChild(HWND hParent, int nId, const wchar_t* pszClass) {
  for (HWND hChild : ChildWindows(hParent))
    if (GetDlgCtrlID(hChild) == nId && lstrcmpiW(ClassNameOf(hChild).c_str(), pszClass) == 0) return hChild;
  return nullptr;
}

std::string PlacementOf(HWND hWnd, HWND hOver) {
  RECT rcWindow = {}, rcArea = {};
  GetWindowRect(hWnd, &rcWindow);
  if (hOver) {
    GetWindowRect(hOver, &rcArea);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
  }
  // Centring divides odd differences, so allow one pixel either way.
  long nDx = (rcWindow.left - rcArea.left) - (rcArea.right - rcWindow.right);
  long nDy = (rcWindow.top - rcArea.top) - (rcArea.bottom - rcWindow.bottom);
  if (std::labs(nDx) <= 2 && std::labs(nDy) <= 2) return "centred";
  if (!hOver && rcWindow.left == rcArea.left && rcWindow.top == rcArea.top) return "top-left";
  return std::to_string(rcWindow.left) + "," + std::to_string(rcWindow.top);
}

HWND FocusOfThreadOf(HWND hWnd) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}
