#include "HostWin32/Resources.h"

#include "HostWin32/Kernel.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace host {
namespace {

typedef std::pair<WORD, WORD> CResourceKey;  // type, name

const unsigned char* g_pRes = nullptr;
std::size_t g_nRes = 0;
std::map<CResourceKey, CResource> g_resources;  // parsed on first use
bool g_bParsed = false;
std::set<CResourceKey> g_hidden;
std::map<WORD, char> g_iconHandles;  // the address of an entry is the icon's handle

DWORD ReadDword(const unsigned char* p) {
  return static_cast<DWORD>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24));
}
WORD ReadWord(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

// Reads a type or name of a resource header: only ordinals are kept; a
// named resource gets 0, which no loader here asks for.
WORD ReadId(const unsigned char*& p, const unsigned char* pEnd) {
  if (pEnd - p >= 4 && ReadWord(p) == 0xFFFF) {
    WORD wId = ReadWord(p + 2);
    p += 4;
    return wId;
  }
  while (pEnd - p >= 2 && ReadWord(p) != 0) p += 2;
  p += 2;
  return 0;
}

// The .res format: a header per resource (sizes, type, name, language), each
// header and each data block aligned to four bytes.
void Parse() {
  g_bParsed = true;
  g_resources.clear();
  const unsigned char* p = g_pRes;
  const unsigned char* pEnd = g_pRes + g_nRes;
  while (pEnd - p >= 8) {
    DWORD dwDataSize = ReadDword(p);
    DWORD dwHeaderSize = ReadDword(p + 4);
    if (dwHeaderSize < 8 || dwHeaderSize > static_cast<std::size_t>(pEnd - p) ||
        dwDataSize > static_cast<std::size_t>(pEnd - p) - dwHeaderSize)
      return;
    const unsigned char* q = p + 8;
    const unsigned char* pHeaderEnd = p + dwHeaderSize;
    WORD wType = ReadId(q, pHeaderEnd);
    WORD wName = ReadId(q, pHeaderEnd);
    q = p + ((q - p + 3) & ~3);
    if (pHeaderEnd - q >= 8 && dwDataSize > 0) {
      const unsigned char* pData = pHeaderEnd;
      g_resources[{wType, wName}] = CResource{ReadWord(q + 6), std::vector<BYTE>(pData, pData + dwDataSize)};
    }
    std::size_t nNext = (dwHeaderSize + dwDataSize + 3) & ~static_cast<std::size_t>(3);
    if (nNext >= static_cast<std::size_t>(pEnd - p)) return;
    p += nNext;
  }
}

bool IsProgramModule(HINSTANCE hInstance) { return hInstance == GetModuleHandleA(nullptr); }

}  // namespace

// Runs from a static initialiser, maybe before this file's own maps exist:
// it touches only what is constant-initialised.
bool RegisterModuleResources(const unsigned char* pData, std::size_t nSize) {
  g_pRes = pData;
  g_nRes = nSize;
  g_bParsed = false;
  return true;
}

const CResource* ModuleResource(WORD wType, WORD wName) {
  if (!g_bParsed) Parse();
  if (g_hidden.count({wType, wName})) return nullptr;
  auto it = g_resources.find({wType, wName});
  return it == g_resources.end() ? nullptr : &it->second;
}

void HideResource(WORD wType, WORD wName) { g_hidden.insert({wType, wName}); }

void ResetResources() {
  g_hidden.clear();
  g_iconHandles.clear();
}

std::string Narrow(const std::vector<WORD>& text) {
  std::string s;
  for (WORD c : text) s += c < 256 ? static_cast<char>(c) : '?';
  return s;
}

}  // namespace host

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  WORD wName = LOWORD(lpIconName);
  if (!host::IsProgramModule(hInstance) || !IS_INTRESOURCE(lpIconName) || !host::ModuleResource(RT_GROUP_ICON, wName)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  // Loaded icons are shared: the same handle every time, nothing to release.
  return reinterpret_cast<HICON>(&host::g_iconHandles[wName]);
}

int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (cchBufferMax <= 0) return 0;
  lpBuffer[0] = '\0';
  // Strings lie in blocks of sixteen, each a length and that many UTF-16 units.
  const host::CResource* block =
      host::IsProgramModule(hInstance) ? host::ModuleResource(RT_STRING, static_cast<WORD>((uID >> 4) + 1)) : nullptr;
  if (block == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  const std::vector<BYTE>& data = block->data;
  std::size_t pos = 0;
  for (UINT i = 0; i <= (uID & 15); ++i) {
    if (pos + 2 > data.size()) return 0;
    std::size_t nLength = host::ReadWord(&data[pos]);
    if (i == (uID & 15)) {
      std::vector<WORD> text;
      for (std::size_t k = 0; k < nLength && pos + 4 + 2 * k <= data.size(); ++k)
        text.push_back(host::ReadWord(&data[pos + 2 + 2 * k]));
      std::string s = host::Narrow(text);
      std::size_t n = std::min<std::size_t>(s.size(), static_cast<std::size_t>(cchBufferMax) - 1);
      std::memcpy(lpBuffer, s.data(), n);
      lpBuffer[n] = '\0';
      return static_cast<int>(n);
    }
    pos += 2 + 2 * nLength;
  }
  return 0;
}
