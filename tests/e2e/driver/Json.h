// One observation of the driver, written as one line of JSON. The scenario
// runner compares these lines with what a scenario expects.
#pragma once

#include <string>
#include <vector>

class CJsonObject {
 public:
  CJsonObject& Add(const char* pszKey, const std::wstring& strValue);
  CJsonObject& Add(const char* pszKey, const char* pszValue);
  CJsonObject& Add(const char* pszKey, long long nValue);
  CJsonObject& AddBool(const char* pszKey, bool bValue);
  CJsonObject& AddNull(const char* pszKey);
  CJsonObject& Add(const char* pszKey, const CJsonObject& value);
  CJsonObject& Add(const char* pszKey, const std::vector<CJsonObject>& values);
  CJsonObject& Add(const char* pszKey, const std::vector<std::wstring>& values);

  std::string Text() const;

 private:
  void AddRaw(const char* pszKey, const std::string& strJson);
  std::string m_strMembers;
};

// A JSON string literal of the text, encoded as UTF-8.
std::string JsonString(const std::wstring& strText);
