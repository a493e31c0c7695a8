#include "HostTest.h"

#include "Morvane/Probes.h"

#include "HostWin32/Kernel.h"

#include <algorithm>

namespace {

int CallsOf(const std::string& call) {
  const auto& calls = host::Calls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(HostTest, NewHandleFreesWithoutCallingAnything) {
  CLibraryHandle library;
  EXPECT_EQ(library.m_hModule, nullptr);
  EXPECT_TRUE(library.Free());
  EXPECT_EQ(CallsOf("FreeLibrary"), 0);
}

TEST_F(HostTest, LoadOfAMissingLibraryLeavesTheHandleEmpty) {
  {
    CLibraryHandle library;
    EXPECT_FALSE(library.Load("nosuch.dll", 0));
    EXPECT_EQ(library.m_hModule, nullptr);
  }
  EXPECT_EQ(CallsOf("FreeLibrary"), 0);
}

TEST_F(HostTest, SecondLoadReleasesTheFirstLibrary) {
  host::Module("first.dll");
  host::Module("second.dll");
  CLibraryHandle library;
  ASSERT_TRUE(library.Load("first.dll", 0));
  ASSERT_TRUE(library.Load("second.dll", 0));
  EXPECT_EQ(host::LoadedModuleReferences(), 1);
  EXPECT_EQ(CallsOf("FreeLibrary"), 1);
}

TEST_F(HostTest, DestructionReleasesTheLibraryOnce) {
  host::Module("first.dll");
  {
    CLibraryHandle library;
    ASSERT_TRUE(library.Load("first.dll", 0));
    EXPECT_EQ(host::LoadedModuleReferences(), 1);
  }
  EXPECT_EQ(host::LoadedModuleReferences(), 0);
  EXPECT_EQ(CallsOf("FreeLibrary"), 1);
}

TEST_F(HostTest, FailedFreeKeepsTheHandleAndBlocksTheNextLoad) {
  host::Module("first.dll");
  host::Module("second.dll");
  CLibraryHandle library;
  ASSERT_TRUE(library.Load("first.dll", 0));
  HMODULE hFirst = library.m_hModule;

  host::Kernel().bFreeLibraryFails = true;
  EXPECT_FALSE(library.Free());
  EXPECT_EQ(library.m_hModule, hFirst);
  EXPECT_FALSE(library.Load("second.dll", 0));
  EXPECT_EQ(library.m_hModule, hFirst);
  EXPECT_EQ(host::LoadLibraryCalls("second.dll"), 0);

  host::Kernel().bFreeLibraryFails = false;
  EXPECT_TRUE(library.Free());
  EXPECT_EQ(library.m_hModule, nullptr);
}

}  // namespace
