// The scratch ground on the stand-in: a fresh machine for each test, and no
// handle left open after it.
#include "Scratch.h"

#include "HostWin32/FileSystem.h"
#include "HostWin32/Host.h"
#include "HostWin32/Registry.h"

namespace scratch {

std::string Key(const std::string& subkey) {
  return "Software\\MorvaneContract" + (subkey.empty() ? "" : "\\" + subkey);
}

void CreateKey(const std::string& subkey) { host::CreateRegKey(HKEY_CURRENT_USER, Key(subkey)); }

void SetValue(const std::string& subkey, const std::string& name, DWORD dwType, const std::string& data) {
  host::SetRegValue(HKEY_CURRENT_USER, Key(subkey), name, dwType, std::vector<BYTE>(data.begin(), data.end()));
}

void SetString(const std::string& subkey, const std::string& name, const std::string& text) {
  host::SetRegString(HKEY_CURRENT_USER, Key(subkey), name, text);
}

std::string Folder(const std::string& relative) {
  return "C:\\TEMP\\MorvaneContract" + (relative.empty() ? "" : "\\" + relative);
}

void MakeFile(const std::string& relative) { host::AddFile(Folder(relative)); }
void MakeFolder(const std::string& relative) { host::AddDirectory(Folder(relative)); }

}  // namespace scratch

void ContractTest::SetUp() {
  host::Reset();
  scratch::CreateKey("");
  scratch::MakeFolder("");
}

void ContractTest::TearDown() { EXPECT_EQ(host::LeakReport(), ""); }
