#include "HostWin32/Host.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Shell.h"

namespace host {
namespace {
std::vector<std::string> g_calls;
}

void Reset() {
  g_calls.clear();
  ResetKernel();
  ResetMessageBoxes();
  ResetShell();
}

void LogCall(const std::string& call) { g_calls.push_back(call); }
const std::vector<std::string>& Calls() { return g_calls; }

std::string LeakReport() {
  std::string report;
  if (int n = LoadedModuleReferences()) report += "module references: " + std::to_string(n) + "\n";
  return report;
}

}  // namespace host
