// Base fixture of the host tests: a fresh stand-in machine before each test,
// and no handle left open after it.
#pragma once

#include "HostWin32/Host.h"

#include <gtest/gtest.h>

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { host::Reset(); }
  void TearDown() override { EXPECT_EQ(host::LeakReport(), ""); }
};
