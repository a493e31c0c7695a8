#include "HostWin32/Host.h"

#include "HostWin32/Dialog.h"
#include "HostWin32/FileSystem.h"
#include "HostWin32/Gdi.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/ListBox.h"
#include "HostWin32/Menu.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Registry.h"
#include "HostWin32/Resources.h"
#include "HostWin32/Shell.h"
#include "HostWin32/Windows.h"

namespace host {
namespace {
std::vector<std::string> g_calls;
}

void Reset() {
  g_calls.clear();
  ResetKernel();
  ResetMessageBoxes();
  ResetShell();
  ResetRegistry();
  ResetFileSystem();
  ResetWindows();
  ResetListBoxes();
  ResetMenus();
  ResetGdi();
  ResetDialogs();
  ResetResources();
}

void LogCall(const std::string& call) { g_calls.push_back(call); }
const std::vector<std::string>& Calls() { return g_calls; }

std::string LeakReport() {
  std::string report;
  if (int n = LoadedModuleReferences()) report += "module references: " + std::to_string(n) + "\n";
  if (int n = OpenRegKeys()) report += "registry keys: " + std::to_string(n) + "\n";
  if (int n = OpenFindHandles()) report += "find handles: " + std::to_string(n) + "\n";
  if (int n = OpenWindowCount()) report += "windows: " + std::to_string(n) + "\n";
  if (int n = OpenPaintContexts()) report += "paint contexts: " + std::to_string(n) + "\n";
  if (int n = AbandonedModalLoops()) report += "modal loops that ran out of steps: " + std::to_string(n) + "\n";
  return report;
}

}  // namespace host
