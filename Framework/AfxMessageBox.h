// The framework's message box: captioned with the application's title and
// owned by the main window while there is one.
#pragma once

#include "Framework/Win32.h"

// An OK or OK/Cancel box that names no icon gets the exclamation icon, a
// Yes/No box the question icon, as the platform's boxes always have.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
