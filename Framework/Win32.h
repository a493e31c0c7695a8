// The one seam between the program and the operating system: the real Win32
// headers on Windows, our stand-in on the host. Everything above this line of
// includes calls the API by its real names.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <mbstring.h>
#else
#include "HostWin32/Win32.h"
#endif
