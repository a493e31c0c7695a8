// Starts a program held at its entry point. Wine's start-up code in the new
// process has run by then, and with it the write of the user's Preload entry
// "1" that every process start makes; the program's own code has not. So a
// machine's user keys written while the program is held are the ones it reads.
// (Pinning the locale instead would only let us choose entry "1", not a
// missing Preload key or a list without entry "1".)
#pragma once

#include <windows.h>

#include <string>

class CHeldProcess {
 public:
  // Starts the program suspended, puts a jump-to-itself at its entry point
  // and lets it run until it spins there. Throws std::runtime_error on
  // failure, and when the program ends before it reaches its entry point.
  CHeldProcess(const std::wstring& strExePath, DWORD dwTimeoutMs);
  ~CHeldProcess();
  CHeldProcess(const CHeldProcess&) = delete;
  CHeldProcess& operator=(const CHeldProcess&) = delete;

  // Puts the entry point's own bytes back and lets the program go on.
  void Release();

  HANDLE Process() const { return m_info.hProcess; }
  DWORD Id() const { return m_info.dwProcessId; }
  // GetTickCount64 just before the program was created.
  ULONGLONG StartTick() const { return m_nStartTick; }

 private:
  BYTE* EntryPoint() const;
  void WaitUntilSpinning(DWORD dwTimeoutMs);

  PROCESS_INFORMATION m_info = {};
  ULONGLONG m_nStartTick = 0;
  BYTE* m_pEntry = nullptr;
  BYTE m_original[2] = {};
  bool m_bHeld = false;
};
