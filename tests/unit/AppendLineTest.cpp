#include "Morvane/Morvane.h"

#include <gtest/gtest.h>

TEST(AppendLine, JoinsWithOneLineFeedOnlyAfterExistingText) {
  CString strMessage;
  EXPECT_STREQ(AppendLine(strMessage, "first"), "first");
  EXPECT_STREQ(AppendLine(strMessage, "second\nthird"), "first\nsecond\nthird");
  EXPECT_STREQ(AppendLine(strMessage, ""), "first\nsecond\nthird\n");
}

TEST(AppendLine, ReturnsTheSameMessage) {
  CString strMessage;
  EXPECT_EQ(&AppendLine(strMessage, "x"), &strMessage);
}
