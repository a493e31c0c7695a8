// Which keyboard layouts Tavrix can convert, judged by the language in the
// layout's key name alone.
#pragma once

#include "Framework/Win32.h"

// The language identifier in a layout key name: the low 16 bits of its
// leading hexadecimal number, 0 when it has none.
LANGID ParseLangId(LPCSTR pszKeyName);

// False for Hebrew and for languages written in other scripts than the
// Latin one; true for every other identifier, 0 included.
bool IsConvertibleLanguage(LANGID langId);
