// Stand-in for the kernel32 file functions the program calls: the system
// directory, full path names, and a file system of files and folders that
// FindFirstFileA searches. Paths are Windows paths and match without regard
// to letter case.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

typedef struct _WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *PWIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

// The length written without its zero when it fits in uSize, else the size
// needed with it; 0 on failure.
UINT GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize);
// Resolves against the current directory, folds "." and "..", turns slashes
// into backslashes. The length written without its zero when it fits, else
// the size needed with it; 0 for an empty path.
DWORD GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart);
// The first entry that the last part of the path (which may hold * and ?)
// matches in its folder. A path that ends in a backslash, or a drive's root,
// matches nothing.
HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData);
BOOL FindClose(HANDLE hFindFile);

namespace host {

struct CFileSystemState {
  std::string strSystemDirectory = "C:\\WINDOWS\\system32";  // any length
  bool bSystemDirectoryFails = false;
  std::string strCurrentDirectory = "C:\\WINDOWS";  // absolute, no trailing backslash
};

CFileSystemState& FileSystem();
// Absolute paths; the folders above are made as needed.
void AddFile(const std::string& path);
void AddDirectory(const std::string& path);

int FindFirstFileCalls();  // since the last reset
int OpenFindHandles();

// An empty disk C: holding only the system directory.
void ResetFileSystem();

}  // namespace host
