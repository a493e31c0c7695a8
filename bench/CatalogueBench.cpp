// Reading the layout catalogue, as the checker dialog does when it is built
// (GetUsableLayouts: the registry read and a file check per layout), at 200,
// 2,000 and 20,000 layouts, on the host stand-in. Every layout's file
// exists but every tenth. The catalogue is read once per process, so each
// iteration reads it in a child process forked from a machine that is ready;
// only the child's read is timed.
//
// The counters show the program's share: registry and file calls per
// layout, which stay flat when the program's work grows in step with the
// catalogue.
#include "Morvane/LayoutCatalogue.h"

#include "HostWin32/FileSystem.h"
#include "HostWin32/Host.h"
#include "HostWin32/Registry.h"

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char kCatalogue[] = "system\\currentcontrolset\\control\\keyboard layouts";

void BuildMachine(int nLayouts) {
  host::Reset();
  char szKey[16];
  char szFile[32];
  for (int i = 0; i < nLayouts; ++i) {
    std::snprintf(szKey, sizeof szKey, "%04X0409", i & 0xFFFF);
    std::snprintf(szFile, sizeof szFile, "KBD%06d.DLL", i);
    const std::string key = std::string(kCatalogue) + "\\" + szKey;
    host::SetRegString(HKEY_LOCAL_MACHINE, key, "layout file", szFile);
    host::SetRegString(HKEY_LOCAL_MACHINE, key, "layout text", "Layout " + std::to_string(i));
    host::SetRegString(HKEY_LOCAL_MACHINE, key, "layout id", "0001");
    if (i % 10 != 9) host::AddFile(host::FileSystem().strSystemDirectory + "\\" + szFile);
  }
}

struct CRead {
  double seconds = -1;  // negative when the read went wrong
  int nRegistryCalls = 0;
  int nFileLookUps = 0;
};

int RegistryCalls() {
  int n = 0;
  for (host::RegCall call : {host::RegCall::OpenKey, host::RegCall::CloseKey, host::RegCall::QueryValue,
                             host::RegCall::QueryInfoKey, host::RegCall::EnumValue, host::RegCall::EnumKey})
    n += host::RegCallCount(call);
  return n;
}

// One first read, in a child process.
CRead ReadInChild(std::size_t nExpected) {
  CRead result;
  int fds[2];
  if (pipe(fds) != 0) return result;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const int nRegistryBefore = RegistryCalls();
    const int nFilesBefore = host::FindFirstFileCalls();
    std::vector<CLayoutInfo> usable;
    const auto start = std::chrono::steady_clock::now();
    GetUsableLayouts(usable);
    CRead child;
    child.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (usable.size() != nExpected) child.seconds = -1;
    child.nRegistryCalls = RegistryCalls() - nRegistryBefore;
    child.nFileLookUps = host::FindFirstFileCalls() - nFilesBefore;
    _exit(write(fds[1], &child, sizeof child) == sizeof child ? 0 : 1);
  }
  close(fds[1]);
  if (pid < 0 || read(fds[0], &result, sizeof result) != sizeof result) result.seconds = -1;
  close(fds[0]);
  int nStatus = 0;
  if (pid > 0) waitpid(pid, &nStatus, 0);
  return result;
}

void BM_CatalogueRead(benchmark::State& state) {
  const int nLayouts = static_cast<int>(state.range(0));
  BuildMachine(nLayouts);
  const std::size_t nExpected = static_cast<std::size_t>(nLayouts - nLayouts / 10);
  CRead last;
  for (auto _ : state) {
    last = ReadInChild(nExpected);
    if (last.seconds < 0) {
      state.SkipWithError("the child did not read the catalogue as expected");
      break;
    }
    state.SetIterationTime(last.seconds);
  }
  state.counters["registry_calls_per_layout"] = static_cast<double>(last.nRegistryCalls) / nLayouts;
  state.counters["file_lookups_per_layout"] = static_cast<double>(last.nFileLookUps) / nLayouts;
}

// Each iteration forks, so a fixed and small number of them; fewer at
// 20,000 layouts, where the stand-in's own look-ups take seconds.
BENCHMARK(BM_CatalogueRead)->Arg(200)->Arg(2000)->Iterations(15)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogueRead)->Arg(20000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
