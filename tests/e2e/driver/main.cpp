// The end-to-end driver: starts the program on a machine that a scenario
// describes and observes it from outside, as a user or a UI automation tool
// would, one step at a time.
//
//   morvane-driver [--machine FILE] [--user FILE] [--timeout-ms N] EXE STEP...
//     --machine  registry script applied before the program starts
//     --user     registry script applied while the program is held at its
//                entry point (the user's keyboard layout keys; see HeldProcess.h)
//     --timing   each report also gives "ms": milliseconds from the program's
//                start until its step was seen through (within a poll of 10 ms;
//                the writing of --user is included), for benchmarks
//     STEP       see Session.h
//   morvane-driver --record FILE ARG...
//     appends the arguments as one line to FILE: the stand-in web browser
//     that a machine registers to see which page the program opens.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "HeldProcess.h"
#include "RegScript.h"
#include "Session.h"

namespace {

const DWORD kDefaultTimeoutMs = 15000;

std::wstring Widen(const std::string& strText) {
  std::wstring strWide;
  for (char ch : strText) strWide += static_cast<wchar_t>(static_cast<unsigned char>(ch));
  return strWide;
}

int Record(int argc, char** argv) {
  FILE* pFile = std::fopen(argv[2], "ab");
  if (!pFile) return 1;
  for (int i = 3; i < argc; ++i) std::fprintf(pFile, i > 3 ? " %s" : "%s", argv[i]);
  std::fputc('\n', pFile);
  std::fclose(pFile);
  return 0;
}

int Drive(int argc, char** argv) {
  std::string strMachine, strUser;
  DWORD dwTimeoutMs = kDefaultTimeoutMs;
  bool bTiming = false;
  int i = 1;
  while (i < argc && argv[i][0] == '-') {
    std::string strOption = argv[i++];
    if (strOption == "--timing") {
      bTiming = true;
      continue;
    }
    if (i >= argc) throw std::runtime_error(strOption + " needs a value");
    std::string strValue = argv[i++];
    if (strOption == "--machine") {
      strMachine = strValue;
    } else if (strOption == "--user") {
      strUser = strValue;
    } else if (strOption == "--timeout-ms") {
      dwTimeoutMs = std::strtoul(strValue.c_str(), nullptr, 10);
    } else {
      throw std::runtime_error("unknown option " + strOption);
    }
  }
  if (i >= argc) throw std::runtime_error("no program to run");
  std::wstring strExe = Widen(argv[i++]);

  // Wine's desktop process writes Preload entry "1" as it starts, which it
  // does for the first window of the prefix: start it now, before the
  // machine is written.
  GetDesktopWindow();
  if (!strMachine.empty()) ApplyRegScript(ReadTextFile(strMachine));
  CHeldProcess program(strExe, dwTimeoutMs);
  if (!strUser.empty()) ApplyRegScript(ReadTextFile(strUser));
  program.Release();

  CSession session(program.Process(), program.Id(), dwTimeoutMs, program.StartTick(), bTiming);
  for (; i < argc; ++i)
    if (!session.Step(argv[i])) break;
  session.Finish();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--record") return Record(argc, argv);
  try {
    return Drive(argc, argv);
  } catch (const std::exception& e) {
    CJsonObject line;
    line.Add("error", e.what());
    Emit(line);
    return 2;
  }
}
