// Times how long programs take from their start to showing their dialog.
// Usage: startup-timer RUNS CAPTION PROGRAM [CAPTION PROGRAM...]
// Starts each program in turn, RUNS rounds, and prints one line per run:
// "<program> <milliseconds>" from CreateProcess to the first visible
// top-level dialog of that process with that caption. Then it closes the
// dialog (IDCANCEL, as the Escape key does) and waits for the program to end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct CTarget {
  std::string strCaption;
  std::string strProgram;
};

struct CSearch {
  DWORD dwProcessId;
  const std::string* pCaption;
  HWND hFound;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam) {
  CSearch& search = *reinterpret_cast<CSearch*>(lParam);
  DWORD dwProcessId = 0;
  GetWindowThreadProcessId(hWnd, &dwProcessId);
  if (dwProcessId != search.dwProcessId || !IsWindowVisible(hWnd)) return TRUE;
  char szClass[16] = "";
  char szCaption[256] = "";
  GetClassNameA(hWnd, szClass, sizeof szClass);
  GetWindowTextA(hWnd, szCaption, sizeof szCaption);
  if (std::string(szClass) != "#32770" || *search.pCaption != szCaption) return TRUE;
  search.hFound = hWnd;
  return FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The time to the dialog in ms, or a negative number when it never came.
double TimeOneRun(const CTarget& target) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = "\"" + target.strProgram + "\"";
  LARGE_INTEGER started;
  QueryPerformanceCounter(&started);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  CSearch search{process.dwProcessId, &target.strCaption, nullptr};
  LARGE_INTEGER now = started;
  while (search.hFound == nullptr && WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0 &&
         Milliseconds(started, now) < 30000) {
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.hFound == nullptr) Sleep(1);
  }
  const double ms = search.hFound ? Milliseconds(started, now) : -1;
  if (search.hFound) PostMessageA(search.hFound, WM_COMMAND, IDCANCEL, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: startup-timer RUNS CAPTION PROGRAM [CAPTION PROGRAM...]\n");
    return 2;
  }
  const int nRuns = std::atoi(argv[1]);
  std::vector<CTarget> targets;
  for (int i = 2; i + 1 < argc; i += 2) targets.push_back(CTarget{argv[i], argv[i + 1]});
  // Rounds rather than one program after the other, so that a slow spell of
  // the machine weighs on every program alike.
  for (int nRun = 0; nRun < nRuns; ++nRun) {
    for (const CTarget& target : targets) {
      const double ms = TimeOneRun(target);
      if (ms < 0) {
        std::fprintf(stderr, "%s showed no dialog \"%s\"\n", target.strProgram.c_str(), target.strCaption.c_str());
        return 1;
      }
      std::printf("%s %.1f\n", target.strProgram.c_str(), ms);
      std::fflush(stdout);
    }
  }
  return 0;
}
