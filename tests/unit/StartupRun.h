// Runs the start-up checks to their end: a verdict, or the process exit that
// a refusal asked for.
#pragma once

#include "Morvane/Morvane.h"

#include "HostWin32/Kernel.h"

#include <string>

struct CStartupOutcome {
  bool bExited;
  UINT uExitCode;
  std::string strVerdict;
};

inline CStartupOutcome RunChecks() {
  try {
    CString strVerdict = CheckRequirements();
    return {false, 0, static_cast<LPCSTR>(strVerdict)};
  } catch (const host::CProcessExit& exit) {
    return {true, exit.uExitCode, ""};
  }
}
