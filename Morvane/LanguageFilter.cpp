#include "Morvane/LanguageFilter.h"

#include <cstdio>

namespace {

// Excluded whatever the sublanguage.
const WORD kExcludedPrimaryLanguages[] = {
    0x01,  // Arabic
    0x04,  // Chinese
    0x0D,  // Hebrew
    0x11,  // Japanese
    0x19,  // Russian
    0x1E,  // Thai
    0x23,  // Belarusian
    0x2B,  // Armenian
    0x37,  // Georgian
    0x39,  // Hindi
    0x49,  // Tamil
};

// The Cyrillic forms of languages whose Latin form Tavrix converts.
const LANGID kExcludedLanguages[] = {
    0x082C,  // Azeri, Cyrillic
    0x0843,  // Uzbek, Cyrillic
    0x0C1A,  // Serbian, Cyrillic
};

}  // namespace

LANGID ParseLangId(LPCSTR pszKeyName) {
  unsigned int nValue = 0;
  std::sscanf(pszKeyName, "%x", &nValue);
  return LANGIDFROMLCID(nValue);
}

bool IsConvertibleLanguage(LANGID langId) {
  const WORD wPrimary = PRIMARYLANGID(langId);
  for (WORD wExcluded : kExcludedPrimaryLanguages)
    if (wPrimary == wExcluded) return false;
  for (LANGID excluded : kExcludedLanguages)
    if (langId == excluded) return false;
  return true;
}
