#include "Morvane/LanguageFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseLangId, ReadsTheLowSixteenBitsOfTheLeadingHexNumber) {
  const struct {
    const char* pszKeyName;
    LANGID expected;
  } cases[] = {
      {"00000409", 0x0409}, {"00020409", 0x0409}, {"e0010409", 0x0409}, {"0000040d", 0x040D},
      {"0000040D", 0x040D}, {"0000040c", 0x040C}, {"409", 0x0409},      {"  00000419", 0x0419},
      {"\t0411", 0x0411},   {"0x0409", 0x0409},   {"0000040Czz", 0x040C}, {"", 0},
      {"G0000409", 0},      {"zz", 0},            {"-1", 0xFFFF},       {"+0407", 0x0407},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszKeyName);
    EXPECT_EQ(ParseLangId(c.pszKeyName), c.expected);
  }
}

// Every excluded primary language, with its plain and another sublanguage.
TEST(IsConvertibleLanguage, ExcludesPrimaryLanguagesWhateverTheSublanguage) {
  const WORD primaries[] = {0x01, 0x04, 0x0D, 0x11, 0x19, 0x1E, 0x23, 0x2B, 0x37, 0x39, 0x49};
  for (WORD p : primaries) {
    for (WORD s : {0, 1, 2, 0x3F}) {
      LANGID id = MAKELANGID(p, s);
      SCOPED_TRACE(::testing::Message() << std::hex << id);
      EXPECT_FALSE(IsConvertibleLanguage(id));
    }
  }
}

TEST(IsConvertibleLanguage, ExcludesCyrillicFormsButKeepsLatinSiblings) {
  const struct {
    LANGID id;
    bool bConvertible;
  } cases[] = {
      {0x082C, false}, {0x042C, true},  // Azeri
      {0x0843, false}, {0x0443, true},  // Uzbek
      {0x0C1A, false}, {0x081A, true},  {0x041A, true},  // Serbian; Croatian shares the primary
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.id);
    EXPECT_EQ(IsConvertibleLanguage(c.id), c.bConvertible);
  }
}

TEST(IsConvertibleLanguage, KeepsEveryOtherLanguage) {
  const LANGID ids[] = {
      0x0000, 0x03FF, 0x0409, 0x0809, 0x0407, 0x040C, 0x0408 /* Greek */, 0x0412 /* Korean */,
      0x0402 /* Bulgarian */, 0x0422 /* Ukrainian */, 0x0429 /* Farsi */, 0x042F /* Macedonian */,
      0x043F /* Kazakh */, 0x0C2C /* Azeri, another sublanguage */, 0x101A /* Serbian, another */,
  };
  for (LANGID id : ids) {
    SCOPED_TRACE(::testing::Message() << std::hex << id);
    EXPECT_TRUE(IsConvertibleLanguage(id));
  }
}

TEST(LanguageFilter, KeyNamesEndToEnd) {
  EXPECT_FALSE(IsConvertibleLanguage(ParseLangId("0000040D")));
  EXPECT_FALSE(IsConvertibleLanguage(ParseLangId("0000080d")));
  EXPECT_FALSE(IsConvertibleLanguage(ParseLangId("00000419")));
  EXPECT_FALSE(IsConvertibleLanguage(ParseLangId("00000411")));
  EXPECT_TRUE(IsConvertibleLanguage(ParseLangId("00010409")));
  EXPECT_TRUE(IsConvertibleLanguage(ParseLangId("")));
  EXPECT_TRUE(IsConvertibleLanguage(ParseLangId("xyz")));
}

}  // namespace
