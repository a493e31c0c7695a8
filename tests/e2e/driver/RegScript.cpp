#include "RegScript.h"

#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

std::wstring Widen(const std::string& strUtf8) {
  if (strUtf8.empty()) return std::wstring();
  int nChars = MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), static_cast<int>(strUtf8.size()), nullptr, 0);
  std::wstring strWide(static_cast<size_t>(nChars), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), static_cast<int>(strUtf8.size()), &strWide[0], nChars);
  return strWide;
}

struct CRoot {
  const char* pszName;
  HKEY hKey;
};

const CRoot kRoots[] = {
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_USERS", HKEY_USERS},
};

// Splits "HKEY_...\path" into its root and the path below it.
HKEY SplitRoot(const std::string& strKey, std::wstring& strPath) {
  for (const CRoot& root : kRoots) {
    std::string strName = root.pszName;
    if (strKey.compare(0, strName.size(), strName) != 0) continue;
    if (strKey.size() == strName.size()) {
      strPath.clear();
      return root.hKey;
    }
    if (strKey[strName.size()] == '\\') {
      strPath = Widen(strKey.substr(strName.size() + 1));
      return root.hKey;
    }
  }
  throw std::runtime_error("unknown registry root in: " + strKey);
}

// Reads a quoted string at position i, undoing \\ and \"; i moves past it.
std::string ReadQuoted(const std::string& strLine, size_t& i) {
  if (i >= strLine.size() || strLine[i] != '"') throw std::runtime_error("expected a quoted text");
  std::string strOut;
  for (++i; i < strLine.size(); ++i) {
    char ch = strLine[i];
    if (ch == '"') {
      ++i;
      return strOut;
    }
    if (ch == '\\' && i + 1 < strLine.size()) ch = strLine[++i];
    strOut += ch;
  }
  throw std::runtime_error("unterminated quoted text");
}

std::vector<BYTE> ParseHexBytes(const std::string& strList) {
  std::vector<BYTE> bytes;
  std::istringstream in(strList);
  std::string strByte;
  while (std::getline(in, strByte, ',')) {
    if (strByte.empty()) continue;
    char* pEnd = nullptr;
    unsigned long nByte = std::strtoul(strByte.c_str(), &pEnd, 16);
    if (*pEnd != '\0' || nByte > 0xFF) throw std::runtime_error("bad byte: " + strByte);
    bytes.push_back(static_cast<BYTE>(nByte));
  }
  return bytes;
}

class CKeyWriter {
 public:
  ~CKeyWriter() { Close(); }

  void Line(const std::string& strLine) {
    if (strLine.empty() || strLine[0] == ';') return;
    if (strLine == "Windows Registry Editor Version 5.00" || strLine == "REGEDIT4") return;
    if (strLine.front() == '[' && strLine.back() == ']') return Key(strLine.substr(1, strLine.size() - 2));
    if (strLine == "$read-only") return ReadOnly();
    Value(strLine);
  }

 private:
  void Close() {
    if (m_hKey) RegCloseKey(m_hKey);
    m_hKey = nullptr;
  }

  void Key(const std::string& strKey) {
    Close();
    std::wstring strPath;
    if (!strKey.empty() && strKey[0] == '-') {
      HKEY hRoot = SplitRoot(strKey.substr(1), strPath);
      LONG nStatus = RegDeleteTreeW(hRoot, strPath.c_str());
      if (nStatus != ERROR_SUCCESS && nStatus != ERROR_FILE_NOT_FOUND) Fail("cannot delete", nStatus);
      return;
    }
    m_hRoot = SplitRoot(strKey, m_strPath);
    LONG nStatus = RegCreateKeyExW(m_hRoot, m_strPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
    if (nStatus != ERROR_SUCCESS) Fail("cannot create", nStatus);
  }

  void ReadOnly() {
    RequireKey();
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;OICI;KR;;;WD)", SDDL_REVISION_1, &pDescriptor,
                                                              nullptr))
      Fail("cannot make an access list", static_cast<LONG>(GetLastError()));
    LONG nStatus = RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, pDescriptor);
    LocalFree(pDescriptor);
    if (nStatus != ERROR_SUCCESS) Fail("cannot set the access list", nStatus);
    HKEY hOpened = nullptr;
    nStatus = RegOpenKeyExW(m_hRoot, m_strPath.c_str(), 0, KEY_ALL_ACCESS, &hOpened);
    if (nStatus == ERROR_SUCCESS) RegCloseKey(hOpened);
    if (nStatus != ERROR_ACCESS_DENIED) Fail("full access to a read-only key was not refused", nStatus);
    nStatus = RegOpenKeyExW(m_hRoot, m_strPath.c_str(), 0, KEY_READ, &hOpened);
    if (nStatus != ERROR_SUCCESS) Fail("a read-only key cannot be read", nStatus);
    RegCloseKey(hOpened);
  }

  void Value(const std::string& strLine) {
    RequireKey();
    size_t i = 0;
    std::string strName;
    if (strLine[0] == '@') {
      i = 1;
    } else {
      strName = ReadQuoted(strLine, i);
    }
    if (i >= strLine.size() || strLine[i] != '=') throw std::runtime_error("expected = in: " + strLine);
    std::string strData = strLine.substr(i + 1);
    std::wstring strWideName = Widen(strName);
    LONG nStatus;
    if (strData == "-") {
      nStatus = RegDeleteValueW(m_hKey, strWideName.c_str());
    } else if (!strData.empty() && strData[0] == '"') {
      size_t j = 0;
      std::wstring strText = Widen(ReadQuoted(strData, j));
      nStatus = RegSetValueExW(m_hKey, strWideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(strText.c_str()),
                               static_cast<DWORD>((strText.size() + 1) * sizeof(wchar_t)));
    } else if (strData.compare(0, 6, "dword:") == 0) {
      DWORD dwValue = std::strtoul(strData.c_str() + 6, nullptr, 16);
      nStatus = RegSetValueExW(m_hKey, strWideName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                               sizeof dwValue);
    } else if (strData.compare(0, 3, "hex") == 0) {
      DWORD dwType = REG_BINARY;
      size_t nColon = strData.find(':');
      if (nColon == std::string::npos) throw std::runtime_error("expected : in: " + strLine);
      if (strData[3] == '(') dwType = std::strtoul(strData.c_str() + 4, nullptr, 16);
      std::vector<BYTE> bytes = ParseHexBytes(strData.substr(nColon + 1));
      nStatus = RegSetValueExW(m_hKey, strWideName.c_str(), 0, dwType, bytes.empty() ? nullptr : bytes.data(),
                               static_cast<DWORD>(bytes.size()));
    } else {
      throw std::runtime_error("cannot read the value in: " + strLine);
    }
    if (nStatus != ERROR_SUCCESS) Fail("cannot write the value in", nStatus, strLine);
  }

  void RequireKey() {
    if (!m_hKey) throw std::runtime_error("a value before any key");
  }

  [[noreturn]] void Fail(const char* pszWhat, LONG nStatus, const std::string& strWhere = std::string()) {
    throw std::runtime_error(std::string(pszWhat) + " " + strWhere + " (status " + std::to_string(nStatus) + ")");
  }

  HKEY m_hRoot = nullptr;
  std::wstring m_strPath;
  HKEY m_hKey = nullptr;
};

}  // namespace

void ApplyRegScript(const std::string& strScript) {
  CKeyWriter writer;
  std::istringstream in(strScript);
  std::string strLine;
  while (std::getline(in, strLine)) {
    if (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
    try {
      writer.Line(strLine);
    } catch (const std::runtime_error& e) {
      throw std::runtime_error(std::string(e.what()) + " [line: " + strLine + "]");
    }
  }
}

std::string ReadTextFile(const std::string& strPath) {
  std::ifstream in(strPath, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + strPath);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
