// Everything the stand-in declares, as <windows.h> would on Windows.
#pragma once

#include "HostWin32/Win32Types.h"
#include "HostWin32/Button.h"
#include "HostWin32/Dialog.h"
#include "HostWin32/FileSystem.h"
#include "HostWin32/Gdi.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/ListBox.h"
#include "HostWin32/MbString.h"
#include "HostWin32/Menu.h"
#include "HostWin32/MessageBox.h"
#include "HostWin32/Registry.h"
#include "HostWin32/Resources.h"
#include "HostWin32/Shell.h"
#include "HostWin32/Windows.h"
