// Stand-in for ShellExecuteA: calls are logged, nothing is opened.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>
#include <vector>

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        INT nShowCmd);

namespace host {

struct CShellExecuteCall {
  HWND hWnd;
  std::string strVerb;
  std::string strFile;
  bool bHasParameters;
  bool bHasDirectory;
  INT nShowCmd;
};

const std::vector<CShellExecuteCall>& ShellExecutes();
void ResetShell();

}  // namespace host
