// The layout catalogue and its usable layouts on machines built from fuzz
// input, on either platform family: each read returns normally or fails as
// the program defines it, leaves no handle open, and lists only layouts
// whose file is there.
//
// The catalogue is read once per process, so each input is read in a child
// process forked before any read. The child's coverage does not reach the
// fuzzer: run this target over a corpus that the lists target has grown.
#include "FuzzInput.h"
#include "HostWin32/Host.h"
#include "HostileMachine.h"
#include "Morvane/LayoutCatalogue.h"
#include "ProgramOutcome.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

void CheckUsableLayouts() {
  std::vector<CLayoutInfo> usable;
  if (!RunStep("usable layouts", [&] { GetUsableLayouts(usable); })) {
    if (!usable.empty()) ReportFault("usable layouts", "layouts appended before the failure");
    return;
  }
  const CString strPrefix = GetSystemDirectoryString() + "\\";
  for (const CLayoutInfo& info : usable)
    if (info.m_strLayoutFile.IsEmpty() || !FileExists(strPrefix + info.m_strLayoutFile))
      ReportFault("usable layouts", std::string("listed without its file: ") + static_cast<LPCSTR>(info.m_strKeyName));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  host::Reset();
  CFuzzInput input(pData, nSize);
  BuildHostileMachine(input);
  const pid_t pid = fork();
  if (pid < 0) ReportFault("usable layouts", "fork failed");
  if (pid == 0) {
    CheckUsableLayouts();
    ExpectNoLeaks("usable layouts");
    _exit(0);
  }
  int nStatus = 0;
  pid_t waited;
  // The fuzzer's timer signal interrupts the wait.
  while ((waited = waitpid(pid, &nStatus, 0)) < 0 && errno == EINTR) {
  }
  if (waited != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
    ReportFault("usable layouts", "the child that read the catalogue failed (its report is above)");
  return 0;
}
