#include "HostWin32/FileSystem.h"

#include "HostWin32/Kernel.h"
#include "HostWin32/Text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace host {
namespace {

struct CEntry {
  std::string strParent;  // lower case, ends in a backslash
  std::string strName;    // as it was added
  bool bDirectory;
};

CFileSystemState g_state;
std::map<std::string, CEntry> g_entries;  // by lower-case full path
std::set<std::uintptr_t> g_findHandles;
std::uintptr_t g_nextFindHandle = 0x2000;
int g_nFindFirstFileCalls = 0;

const char kDrive[] = "c:\\";  // the only disk

std::vector<std::string> Split(const std::string& s) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : s) {
    if (c == '\\') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

// The absolute form of a path as GetFullPathNameA gives it; empty on failure.
std::string FullPath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.empty()) return std::string();
  const std::string& cwd = g_state.strCurrentDirectory;
  std::string root;
  std::string rest;
  if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    root = path.substr(0, 2) + "\\";
    const bool bRelative = path.size() < 3 || path[2] != '\\';
    rest = path.substr(bRelative ? 2 : 3);
    // Relative to the drive: the current directory when it is on that drive.
    if (bRelative && Lower(root) == Lower(cwd.substr(0, 3))) rest = cwd.substr(3) + "\\" + rest;
  } else if (path[0] == '\\') {
    root = cwd.substr(0, 3);
    rest = path.substr(1);
  } else {
    root = cwd.substr(0, 3);
    rest = cwd.substr(3) + "\\" + path;
  }
  std::vector<std::string> parts;
  for (const std::string& part : Split(rest)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string full = root;
  for (std::size_t i = 0; i < parts.size(); ++i) full += (i ? "\\" : "") + parts[i];
  const bool bTrailingSeparator = !rest.empty() && rest.back() == '\\';
  if (bTrailingSeparator && !parts.empty()) full += "\\";
  return full;
}

bool Matches(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') return Matches(pattern + 1, name) || (*name != '\0' && Matches(pattern, name + 1));
  if (*name == '\0') return false;
  if (*pattern != '?' && std::tolower(static_cast<unsigned char>(*pattern)) != std::tolower(static_cast<unsigned char>(*name)))
    return false;
  return Matches(pattern + 1, name + 1);
}

void Add(const std::string& path, bool bDirectory) {
  std::string full = FullPath(path);
  if (full.size() > 3 && full.back() == '\\') full.pop_back();
  const std::size_t nSlash = full.rfind('\\');
  if (full.size() <= 3 || nSlash == std::string::npos) return;
  const std::string parent = full.substr(0, nSlash);
  if (parent.size() > 2) Add(parent, true);
  g_entries[Lower(full)] = CEntry{Lower(full.substr(0, nSlash + 1)), full.substr(nSlash + 1), bDirectory};
}

bool FolderExists(const std::string& lowerParent) {
  if (lowerParent == kDrive) return true;
  auto it = g_entries.find(lowerParent.substr(0, lowerParent.size() - 1));
  return it != g_entries.end() && it->second.bDirectory;
}

}  // namespace

CFileSystemState& FileSystem() { return g_state; }
void AddFile(const std::string& path) { Add(path, false); }
void AddDirectory(const std::string& path) { Add(path, true); }
int FindFirstFileCalls() { return g_nFindFirstFileCalls; }
int OpenFindHandles() { return static_cast<int>(g_findHandles.size()); }

void ResetFileSystem() {
  g_state = CFileSystemState();
  g_entries.clear();
  g_findHandles.clear();
  g_nFindFirstFileCalls = 0;
  AddDirectory(g_state.strSystemDirectory);
}

}  // namespace host

UINT GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  const host::CFileSystemState& state = host::FileSystem();
  if (state.bSystemDirectoryFails) return 0;
  const UINT nLength = static_cast<UINT>(state.strSystemDirectory.size());
  if (nLength >= uSize) return nLength + 1;
  std::memcpy(lpBuffer, state.strSystemDirectory.c_str(), nLength + 1);
  return nLength;
}

DWORD GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart) {
  const std::string full = host::FullPath(lpFileName ? lpFileName : "");
  if (full.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  const DWORD nLength = static_cast<DWORD>(full.size());
  if (nLength >= nBufferLength) return nLength + 1;
  std::memcpy(lpBuffer, full.c_str(), nLength + 1);
  if (lpFilePart) {
    LPSTR pszLast = std::strrchr(lpBuffer, '\\');
    *lpFilePart = pszLast && pszLast[1] ? pszLast + 1 : nullptr;
  }
  return nLength;
}

HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  ++host::g_nFindFirstFileCalls;
  const std::string full = host::FullPath(lpFileName ? lpFileName : "");
  const std::size_t nSlash = full.rfind('\\');
  if (full.empty() || nSlash == std::string::npos || nSlash + 1 == full.size()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const std::string parent = host::Lower(full.substr(0, nSlash + 1));
  if (!host::FolderExists(parent)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const std::string pattern = full.substr(nSlash + 1);
  // A name without wildcards is looked up directly, as Windows does; a
  // pattern walks the entries.
  const bool bWildcard = pattern.find_first_of("*?") != std::string::npos;
  auto first = bWildcard ? host::g_entries.begin() : host::g_entries.find(host::Lower(full));
  auto last = bWildcard || first == host::g_entries.end() ? host::g_entries.end() : std::next(first);
  for (auto itEntry = first; itEntry != last; ++itEntry) {
    const host::CEntry& entry = itEntry->second;
    if (entry.strParent != parent || !host::Matches(pattern.c_str(), entry.strName.c_str())) continue;
    *lpFindFileData = WIN32_FIND_DATAA{};
    lpFindFileData->dwFileAttributes = entry.bDirectory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    std::strncpy(lpFindFileData->cFileName, entry.strName.c_str(), MAX_PATH - 1);
    const std::uintptr_t h = host::g_nextFindHandle;
    host::g_nextFindHandle += 4;
    host::g_findHandles.insert(h);
    return reinterpret_cast<HANDLE>(h);
  }
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

BOOL FindClose(HANDLE hFindFile) {
  if (host::g_findHandles.erase(reinterpret_cast<std::uintptr_t>(hFindFile)) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
