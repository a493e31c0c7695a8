// The application object: one global instance, constructed before the entry
// routine runs, whose InitInstance is the program's life.
#pragma once

#include "Framework/CObject.h"
#include "Framework/CString.h"
#include "Framework/Win32.h"

class CException;
class CWnd;

class CWinApp : public CObject {
 public:
  CWinApp();
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // Reports an exception that left a window message handler and gives the
  // message's result: -1 for WM_CREATE and 0 for WM_PAINT (validated), both
  // unreported; otherwise a stop box (for memory: an exclamation box, system
  // modal) and 1 for WM_COMMAND, 0 for every other message. The caller
  // deletes the exception.
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;
  // The executable's file name without directory and extension; the caption
  // of the framework's message boxes.
  CString m_strTitle;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The framework's entry routine: derives the title, runs InitInstance and
// gives the process's exit code. Dialog-based programs end in InitInstance,
// so no message loop follows it. An exception that leaves InitInstance is
// reported in a stop box and ends the run with exit code 3.
int AfxWinMain(HINSTANCE hInstance);
