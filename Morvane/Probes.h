// Questions the start-up checks put to the operating system, and the owner of
// a library loaded at run time for them.
#pragma once

#include "Framework/Win32.h"

class CLibraryHandle {
 public:
  CLibraryHandle() = default;
  ~CLibraryHandle() { Free(); }
  CLibraryHandle(const CLibraryHandle&) = delete;
  CLibraryHandle& operator=(const CLibraryHandle&) = delete;

  // Frees what is held first; if that fails, keeps it and loads nothing.
  bool Load(LPCSTR pszFileName, DWORD dwFlags);
  // On failure the handle stays held.
  bool Free();

  HMODULE m_hModule = nullptr;
};

bool IsWindowsNT();
bool IsRunningOnWow64();
// May show the one "Invalid code page" box when it has to fall back to the
// code page test.
bool IsHebrewInstalled();
