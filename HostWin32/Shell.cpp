#include "HostWin32/Shell.h"

#include "HostWin32/Host.h"

namespace host {
namespace {
std::vector<CShellExecuteCall> g_calls;
}

const std::vector<CShellExecuteCall>& ShellExecutes() { return g_calls; }
void ResetShell() { g_calls.clear(); }

}  // namespace host

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR dir, INT nShowCmd) {
  host::LogCall("ShellExecuteA");
  host::g_calls.push_back({hwnd, verb ? verb : "", file ? file : "", params != nullptr, dir != nullptr, nShowCmd});
  // Values above 32 mean success.
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}
