#include "Json.h"

#include <windows.h>

#include <cstdio>

std::string JsonString(const std::wstring& strText) {
  std::string strOut = "\"";
  for (wchar_t ch : strText) {
    switch (ch) {
      case L'"': strOut += "\\\""; break;
      case L'\\': strOut += "\\\\"; break;
      case L'\n': strOut += "\\n"; break;
      case L'\r': strOut += "\\r"; break;
      case L'\t': strOut += "\\t"; break;
      default:
        if (ch < 0x20) {
          char szEscape[8];
          std::snprintf(szEscape, sizeof szEscape, "\\u%04x", static_cast<unsigned>(ch));
          strOut += szEscape;
        } else {
          char szUtf8[8];
          int nBytes = WideCharToMultiByte(CP_UTF8, 0, &ch, 1, szUtf8, sizeof szUtf8, nullptr, nullptr);
          strOut.append(szUtf8, nBytes > 0 ? nBytes : 0);
        }
    }
  }
  return strOut + "\"";
}

void CJsonObject::AddRaw(const char* pszKey, const std::string& strJson) {
  if (!m_strMembers.empty()) m_strMembers += ", ";
  m_strMembers += "\"";
  m_strMembers += pszKey;
  m_strMembers += "\": ";
  m_strMembers += strJson;
}

CJsonObject& CJsonObject::Add(const char* pszKey, const std::wstring& strValue) {
  AddRaw(pszKey, JsonString(strValue));
  return *this;
}

CJsonObject& CJsonObject::Add(const char* pszKey, const char* pszValue) {
  return Add(pszKey, std::wstring(pszValue, pszValue + std::string(pszValue).size()));
}

CJsonObject& CJsonObject::Add(const char* pszKey, long long nValue) {
  AddRaw(pszKey, std::to_string(nValue));
  return *this;
}

CJsonObject& CJsonObject::AddBool(const char* pszKey, bool bValue) {
  AddRaw(pszKey, bValue ? "true" : "false");
  return *this;
}

CJsonObject& CJsonObject::AddNull(const char* pszKey) {
  AddRaw(pszKey, "null");
  return *this;
}

CJsonObject& CJsonObject::Add(const char* pszKey, const CJsonObject& value) {
  AddRaw(pszKey, value.Text());
  return *this;
}

CJsonObject& CJsonObject::Add(const char* pszKey, const std::vector<CJsonObject>& values) {
  std::string strList;
  for (const CJsonObject& value : values) strList += (strList.empty() ? "" : ", ") + value.Text();
  AddRaw(pszKey, "[" + strList + "]");
  return *this;
}

CJsonObject& CJsonObject::Add(const char* pszKey, const std::vector<std::wstring>& values) {
  std::string strList;
  for (const std::wstring& value : values) strList += (strList.empty() ? "" : ", ") + JsonString(value);
  AddRaw(pszKey, "[" + strList + "]");
  return *this;
}

std::string CJsonObject::Text() const { return "{" + m_strMembers + "}"; }
