// Stand-in for the program's resources: the compiled resource file (.res)
// of the executable, registered once per process, and the loaders that read
// it. Tests may hide a resource to see the program without it.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>
#include <vector>

#define RT_ICON 3
#define RT_DIALOG 5
#define RT_STRING 6
#define RT_GROUP_ICON 14
#define RT_VERSION 16

#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);

namespace host {

struct CResource {
  WORD wLanguage;
  std::vector<BYTE> data;
};

// Makes the bytes of a .res file the resources of the executable's module.
// Returns true, so that a generated file can call it in an initialiser.
bool RegisterModuleResources(const unsigned char* pData, std::size_t nSize);
// The resource of the executable with ordinal type and name; null when there
// is none or when it is hidden.
const CResource* ModuleResource(WORD wType, WORD wName);
// Hides a resource until the next reset, as if it had not been compiled in.
void HideResource(WORD wType, WORD wName);
void ResetResources();

// UTF-16 text of a resource as the program's 8-bit text: the characters
// below 256 as they are, every other one as '?'.
std::string Narrow(const std::vector<WORD>& text);

}  // namespace host
