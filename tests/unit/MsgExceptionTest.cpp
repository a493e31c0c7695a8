#include "HostTest.h"

#include "Morvane/MsgException.h"

#include "HostWin32/Kernel.h"

#include <cstring>
#include <string>

namespace {

const char kCanary = '\x7F';

TEST(ThrowInternalError, NamesTheSourceTitleAndNumber) {
  const struct {
    const char* pszPath;
    int nNumber;
    const char* pszText;
  } cases[] = {
      {"C:\\src\\Common\\Registry.cpp", 211, "Internal Error: ID=Registry-211"},
      {"/build/Morvane/Morvane.cpp", 88, "Internal Error: ID=Morvane-88"},
      {"Registry.cpp", -5, "Internal Error: ID=Registry--5"},
      {"a.b/noext", 0, "Internal Error: ID=noext-0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    try {
      ThrowInternalError(c.pszPath, c.nNumber);
    } catch (CException* e) {
      CMsgException* pMsg = dynamic_cast<CMsgException*>(e);
      ASSERT_NE(pMsg, nullptr);
      EXPECT_STREQ(pMsg->GetText(), c.pszText);
      e->Delete();
    }
  }
}

class GetErrorMessage : public HostTest {};

TEST_F(GetErrorMessage, TruncatesTo511BytesInA512ByteBuffer) {
  CMsgException e(CString(std::string(600, 'x').c_str()));
  char buffer[513];
  std::memset(buffer, kCanary, sizeof buffer);
  UINT nHelp = 1234;
  EXPECT_TRUE(e.GetErrorMessage(buffer, 512, &nHelp));
  EXPECT_EQ(std::string(buffer), std::string(511, 'x'));
  EXPECT_EQ(buffer[512], kCanary);
  EXPECT_EQ(nHelp, 1234u);
}

TEST_F(GetErrorMessage, SizeOneWritesOnlyTheZero) {
  CMsgException e("text");
  char buffer[2] = {kCanary, kCanary};
  EXPECT_TRUE(e.GetErrorMessage(buffer, 1));
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], kCanary);
}

TEST_F(GetErrorMessage, ShortTextIsZeroFilledToTheLastByte) {
  CMsgException e("abc");
  char buffer[9];
  std::memset(buffer, kCanary, sizeof buffer);
  EXPECT_TRUE(e.GetErrorMessage(buffer, 8));
  EXPECT_EQ(std::memcmp(buffer, "abc\0\0\0\0\0", 8), 0);
  EXPECT_EQ(buffer[8], kCanary);
}

TEST_F(GetErrorMessage, NeverSplitsADoubleByteCharacter) {
  host::Kernel().nAnsiCodePage = 932;
  // "ab" then two double-byte characters (lead bytes 0x82 and 0x83).
  CMsgException e("ab\x82\xA0\x83\x40");
  const struct {
    UINT nSize;
    const char* pszExpected;
  } cases[] = {
      {3, "ab"}, {4, "ab"}, {5, "ab\x82\xA0"}, {6, "ab\x82\xA0"}, {7, "ab\x82\xA0\x83\x40"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nSize);
    char buffer[16];
    std::memset(buffer, kCanary, sizeof buffer);
    EXPECT_TRUE(e.GetErrorMessage(buffer, c.nSize));
    EXPECT_STREQ(buffer, c.pszExpected);
    EXPECT_EQ(buffer[c.nSize - 1], '\0');
    EXPECT_EQ(buffer[c.nSize], kCanary);
  }
}

TEST_F(GetErrorMessage, SingleByteCodePageCopiesHighBytesSingly) {
  CMsgException e("ab\x82\xA0");
  char buffer[4];
  EXPECT_TRUE(e.GetErrorMessage(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "ab\x82");
}

}  // namespace
