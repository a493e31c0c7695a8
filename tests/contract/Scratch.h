// The ground every contract test stands on, alike against the stand-in and
// against the real Win32: a scratch key below HKEY_CURRENT_USER and a
// scratch folder, both made fresh for each test and removed after it. The
// tests themselves call the API, and our code over it, only directly.
#pragma once

#include "Framework/Win32.h"

#include <gtest/gtest.h>

#include <string>

namespace scratch {

// The test's scratch key below HKEY_CURRENT_USER, and a path below it.
std::string Key(const std::string& subkey = "");
// Creates a key below the scratch key, with the keys above it.
void CreateKey(const std::string& subkey);
// Sets a value of any type, creating its key; data holds the exact bytes.
void SetValue(const std::string& subkey, const std::string& name, DWORD dwType, const std::string& data);
// REG_SZ with its terminating zero.
void SetString(const std::string& subkey, const std::string& name, const std::string& text);

// The test's scratch folder, absolute, without a trailing backslash; and
// a path inside it.
std::string Folder(const std::string& relative = "");
void MakeFile(const std::string& relative);
void MakeFolder(const std::string& relative);

}  // namespace scratch

class ContractTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};
