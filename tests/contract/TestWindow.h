// Windows for the contract tests of controls and menus, alike on the stand-in
// and on the real Win32: a top-level window of a class of our own that
// records the commands and closes it receives, and controls inside it.
#pragma once

#include "Framework/Win32.h"

#include <string>
#include <vector>

struct ReceivedCommand {
  WPARAM wParam;
  LPARAM lParam;
};

class TestWindow {
 public:
  explicit TestWindow(DWORD dwStyle = WS_POPUP | WS_VISIBLE);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Child(LPCSTR pszClass, LPCSTR pszText, DWORD dwStyle, int nId);

  HWND m_hWnd = nullptr;
  std::vector<ReceivedCommand> m_commands;  // WM_COMMAND, in order
  int m_nCloses = 0;                        // WM_CLOSE, which does not destroy it

 private:
  static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
};
