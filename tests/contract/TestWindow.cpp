#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

const char kClass[] = "MorvaneContractWindow";
TestWindow* g_pCreating = nullptr;  // the window whose WM_CREATE is on its way

}  // namespace

TestWindow::TestWindow(DWORD dwStyle) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &TestWindow::WndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassA(&wc);  // fails harmlessly when an earlier test registered it
  g_pCreating = this;
  m_hWnd = CreateWindowExA(0, kClass, "Contract", dwStyle, 10, 10, 400, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  g_pCreating = nullptr;
  EXPECT_NE(m_hWnd, nullptr);
}

TestWindow::~TestWindow() { DestroyWindow(m_hWnd); }

HWND TestWindow::Child(LPCSTR pszClass, LPCSTR pszText, DWORD dwStyle, int nId) {
  HWND hChild = CreateWindowExA(0, pszClass, pszText, dwStyle, 10, 10, 300, 120, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(hChild, nullptr) << pszClass;
  return hChild;
}

LRESULT CALLBACK TestWindow::WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (nMessage == WM_CREATE) SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(g_pCreating));
  TestWindow* pWindow = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
  switch (nMessage) {
    case WM_COMMAND:
      if (pWindow) pWindow->m_commands.push_back({wParam, lParam});
      return 0;
    case WM_CLOSE:
      if (pWindow) ++pWindow->m_nCloses;
      return 0;
    default:
      return DefWindowProcA(hWnd, nMessage, wParam, lParam);
  }
}
