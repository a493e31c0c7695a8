// One run of the program under observation: the steps a scenario takes, each
// answered by one line of JSON on standard output.
#pragma once

#include <windows.h>

#include <string>

#include "Json.h"

class CSession {
 public:
  // nStartTick: when the program was started; with bTiming every report
  // says how many milliseconds after that its step was seen through.
  CSession(HANDLE hProcess, DWORD dwProcessId, DWORD dwTimeoutMs, ULONGLONG nStartTick, bool bTiming);
  ~CSession();
  CSession(const CSession&) = delete;
  CSession& operator=(const CSession&) = delete;

  // Runs one step. Returns false when the run cannot go on (the program
  // ended, or showed something else than the step waits for).
  //   box:ok|yes|no|cancel     read the message box, press that button
  //   dialog                   read the checker dialog
  //   click                    click the check box, as a user can: not when hidden
  //   about[:N]                open the About box with system command N (16
  //                            by default) and read it
  //   close-about:ok|enter|escape|close
  //                            close the About box that way; done when the
  //                            checker dialog takes input again
  //   close:enter|escape|button  close the checker dialog
  //   shot:NAME                once the program shows a window, say so, then
  //                            wait for a line on standard input while the
  //                            caller takes a screenshot
  //   wait                     wait, without limit, until the program ends
  bool Step(const std::string& strStep);

  // Waits for the program to end and reports its exit code; ends it after
  // the time limit.
  void Finish();

 private:
  enum EWaitResult { kFound, kExited, kOther, kTimedOut };
  EWaitResult WaitForDialog(HWND& hChecker);
  EWaitResult WaitForPopup(HWND& hPopup);
  bool WaitUntilGone(HWND hWnd);
  bool Report(const std::string& strStep, EWaitResult result, CJsonObject observed);

  bool Box(const std::string& strStep, const std::string& strAnswer);
  bool Dialog(const std::string& strStep);
  bool Click(const std::string& strStep);
  bool About(const std::string& strStep, const std::string& strCommand);
  bool CloseAbout(const std::string& strStep, const std::string& strHow);
  bool Close(const std::string& strStep, const std::string& strHow);
  bool Shot(const std::string& strStep, const std::string& strName);

  HANDLE m_hProcess;
  DWORD m_dwProcessId;
  DWORD m_dwTimeoutMs;
  ULONGLONG m_nStartTick;
  bool m_bTiming;
  HWND m_hChecker = nullptr;
  HANDLE m_hClickThread = nullptr;
};

void Emit(const CJsonObject& line);
