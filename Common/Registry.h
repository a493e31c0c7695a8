// The registry module: the owner of one open key, and cursors that present
// the values or the subkeys of a user key as one sequence of name and text.
// Opening a key and internal errors throw CMsgException; every other
// operation returns the registry's status code.
#pragma once

#include "Framework/CObject.h"
#include "Framework/CString.h"
#include "Framework/Win32.h"

#include <memory>

class CRegistryKey : public CObject {
 public:
  CRegistryKey() = default;
  // Throws CMsgException naming pszSubkey when the key cannot be opened.
  CRegistryKey(HKEY hRoot, LPCSTR pszSubkey, REGSAM samDesired);
  ~CRegistryKey() override;

  // Closes what is open, then opens the subkey below the root. A request
  // for more than reading that is refused falls back to reading only.
  LONG Open(HKEY hRoot, LPCSTR pszSubkey, REGSAM samDesired);
  // Reads a REG_SZ value into strText. A value of another type succeeds and
  // leaves strText as it was; so does any failure.
  LONG ReadString(LPCSTR pszValueName, CString& strText);
  LONG DeleteSubkey(LPCSTR pszSubkey);
  // Forgets the handle whatever RegCloseKey answers.
  LONG Close();

  HKEY m_hKey = nullptr;
};

// Walks the REG_SZ values of a key it does not own; other types are passed
// over. Construction fetches the first value.
class CRegValueEnum {
 public:
  explicit CRegValueEnum(CRegistryKey* pKey);
  CRegValueEnum(const CRegValueEnum&) = delete;
  CRegValueEnum& operator=(const CRegValueEnum&) = delete;

  void Fetch();
  // The cursor still reports the deleted value; the next Fetch starts again
  // from the key's first value.
  void DeleteCurrent();

  CRegistryKey* m_pKey;
  DWORD m_dwMaxNameLen = 0;  // characters, without the terminating zero
  DWORD m_dwMaxDataLen = 0;  // characters of the longest string
  bool m_bDone = false;
  DWORD m_dwIndex = 0;  // for the next RegEnumValueA
  CString m_strName;
  CString m_strData;
};

// Walks the subkeys of a key it does not own. Construction fetches the first.
class CRegSubkeyEnum {
 public:
  explicit CRegSubkeyEnum(CRegistryKey* pKey);
  CRegSubkeyEnum(const CRegSubkeyEnum&) = delete;
  CRegSubkeyEnum& operator=(const CRegSubkeyEnum&) = delete;

  void Fetch();
  // As CRegValueEnum::DeleteCurrent, for the current subkey.
  void DeleteCurrent();

  CRegistryKey* m_pKey;
  CString m_strName;
  DWORD m_dwMaxNameLen = 0;  // characters, without the terminating zero
  bool m_bDone = false;
  DWORD m_dwIndex = 0;  // for the next RegEnumKeyExA
};

// A cursor over the entries of a key as (name, text) pairs. GetName and
// GetValue are meaningful while IsDone is false and are rewritten by Next.
class CRegIterator {
 public:
  virtual ~CRegIterator() = default;
  virtual bool IsDone() const = 0;
  virtual void Next() = 0;
  virtual const CString& GetName() const = 0;
  virtual const CString& GetValue() const = 0;
  // Deletes the current entry from the registry; the next Next starts again
  // from the first entry that remains. Does nothing once IsDone.
  virtual void DeleteCurrent() = 0;
};

// The string values of a key below HKEY_CURRENT_USER: name and data.
class CRegValueIterator : public CRegIterator {
 public:
  explicit CRegValueIterator(LPCSTR pszPath);

  bool IsDone() const override { return m_enum.m_bDone; }
  void Next() override { m_enum.Fetch(); }
  const CString& GetName() const override { return m_enum.m_strName; }
  const CString& GetValue() const override { return m_enum.m_strData; }
  void DeleteCurrent() override { m_enum.DeleteCurrent(); }

 private:
  CRegistryKey m_key;
  CRegValueEnum m_enum;
};

// The subkeys of a key below HKEY_CURRENT_USER: name and string default
// value. Subkeys that do not open or have no string default are passed over.
class CRegSubkeyIterator : public CRegIterator {
 public:
  explicit CRegSubkeyIterator(LPCSTR pszPath);

  bool IsDone() const override { return m_enum.m_bDone; }
  void Next() override;
  const CString& GetName() const override { return m_enum.m_strName; }
  const CString& GetValue() const override { return m_strValue; }
  void DeleteCurrent() override { m_enum.DeleteCurrent(); }

 private:
  void SkipUnreadable();

  CRegistryKey m_key;
  CRegSubkeyEnum m_enum;
  CString m_strValue;
};

// The cursor for a key below HKEY_CURRENT_USER that suits the platform: the
// key's values on the NT family, its subkeys elsewhere. Never null; throws
// CMsgException when the key cannot be opened or first read.
std::unique_ptr<CRegIterator> OpenUserRegIterator(LPCSTR pszPath);
