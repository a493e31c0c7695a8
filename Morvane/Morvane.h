// The application object and the start-up checks that decide whether Tavrix
// can be installed on this machine.
#pragma once

#include "Framework/CString.h"
#include "Framework/CWinApp.h"

class CCheckerApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};

extern CCheckerApp theApp;

// Shows the refusal box and ends the process with exit code 1.
[[noreturn]] void FailAndExit(LPCSTR pszText);

// Appends the text to the message, after a line feed if the message is not empty.
CString& AppendLine(CString& strMessage, LPCSTR pszText);

// The requirement checks in their fixed order. Refusals end the process;
// otherwise the result is the verdict shown in the checker dialog.
CString CheckRequirements();
