#include "HostileMachine.h"

#include "HostWin32/Win32.h"

#include <functional>
#include <string>

namespace {

// The registry's own limits, in characters.
const size_t kMaxKeyName = 255;
const size_t kMaxValueName = 16383;
// Enough for any real layout entry and well past every buffer the program
// sizes by a guess, while a run stays short.
const size_t kMaxData = 65535;
const size_t kMaxFileName = 300;

const char kCatalogue[] = "system\\currentcontrolset\\control\\keyboard layouts";
const char kPreload[] = "keyboard layout\\Preload";
const char kSubstitutes[] = "keyboard layout\\substitutes";

const DWORD kTypes[] = {REG_NONE,  REG_SZ,   REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_DWORD_BIG_ENDIAN,
                        REG_LINK, REG_MULTI_SZ, REG_QWORD};
const LONG kStatuses[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_INVALID_HANDLE,
                          ERROR_NOT_ENOUGH_MEMORY, ERROR_INVALID_PARAMETER, ERROR_MORE_DATA,
                          ERROR_NO_MORE_ITEMS, ERROR_KEY_DELETED};
const host::RegCall kCalls[] = {host::RegCall::OpenKey,      host::RegCall::CloseKey, host::RegCall::QueryValue,
                                host::RegCall::QueryInfoKey, host::RegCall::EnumValue, host::RegCall::EnumKey,
                                host::RegCall::DeleteValue,  host::RegCall::DeleteKey};

template <class T, size_t N>
const T& Pick(const T (&table)[N], uint8_t nChoice) {
  return table[nChoice % N];
}

struct CPlace {
  HKEY hRoot;
  std::string path;
};

// One of the three keys the program reads (the low six bits, modulo 3), or
// a subkey one or two levels below it (bits 7 and 6).
CPlace ReadPlace(CFuzzInput& input) {
  const uint8_t nChoice = input.Byte();
  const uint8_t nBase = (nChoice & 0x3F) % 3;
  CPlace place{HKEY_CURRENT_USER, kPreload};
  if (nBase == 0) place = CPlace{HKEY_LOCAL_MACHINE, kCatalogue};
  if (nBase == 2) place.path = kSubstitutes;
  if (nChoice & 0x80) place.path += "\\" + input.String(kMaxKeyName);
  if (nChoice & 0x40) place.path += "\\" + input.String(kMaxKeyName);
  return place;
}

DWORD ReadType(CFuzzInput& input) {
  const uint8_t nChoice = input.Byte();
  return nChoice == 0xFF ? input.Dword() : Pick(kTypes, nChoice);
}

LONG ReadStatus(CFuzzInput& input) {
  const uint8_t nChoice = input.Byte();
  return nChoice == 0xFF ? static_cast<LONG>(input.Word()) : Pick(kStatuses, nChoice);
}

// A change to the registry, read now and made when the action runs.
std::function<void()> ReadChange(CFuzzInput& input) {
  const uint8_t nKind = input.Byte() % 4;
  const CPlace place = ReadPlace(input);
  switch (nKind) {
    case 0: {
      const std::string name = input.String(kMaxValueName);
      const DWORD dwType = ReadType(input);
      const std::vector<uint8_t> data = input.Bytes(kMaxData);
      return [=] { host::SetRegValue(place.hRoot, place.path, name, dwType, data); };
    }
    case 1: {
      const std::string name = input.String(kMaxValueName);
      const std::string text = input.String(kMaxData);
      return [=] { host::SetRegString(place.hRoot, place.path, name, text); };
    }
    case 2:
      return [=] { host::CreateRegKey(place.hRoot, place.path); };
    default:
      return [=] { host::DeleteRegKeyTree(place.hRoot, place.path); };
  }
}

void ReadSystemDirectory(CFuzzInput& input, uint8_t nFlags) {
  host::CFileSystemState& fileSystem = host::FileSystem();
  fileSystem.bSystemDirectoryFails = (nFlags & 0x02) != 0;
  // Longer than MAX_PATH, which the program must refuse with a box.
  if (nFlags & 0x04) fileSystem.strSystemDirectory = "C:\\" + std::string(300, 'W');
  if (nFlags & 0x08) fileSystem.strSystemDirectory = "C:\\" + input.String(kMaxFileName);
}

}  // namespace

CHostileMachine BuildHostileMachine(CFuzzInput& input) {
  CHostileMachine machine;
  const uint8_t nFlags = input.Byte();
  host::Kernel().dwPlatformId = (nFlags & 0x01) ? VER_PLATFORM_WIN32_WINDOWS : VER_PLATFORM_WIN32_NT;
  machine.bShowMoreChecked = (nFlags & 0x10) != 0;
  ReadSystemDirectory(input, nFlags);

  while (!input.AtEnd()) {
    switch (input.Byte() % 9) {
      case 0:
      case 1:
        ReadChange(input)();
        break;
      case 2: {
        const CPlace place = ReadPlace(input);
        host::DenyRegAccess(place.hRoot, place.path, input.Dword());
        break;
      }
      case 3:
        host::AddFile(host::FileSystem().strSystemDirectory + "\\" + input.String(kMaxFileName));
        break;
      case 4: {
        const host::RegCall call = Pick(kCalls, input.Byte());
        const unsigned nth = input.Byte() % 32;
        host::FailRegCall(call, nth, ReadStatus(input));
        break;
      }
      case 5: {
        const host::RegCall call = Pick(kCalls, input.Byte());
        const unsigned nth = input.Byte() % 32;
        host::AfterRegCall(call, nth, ReadChange(input));
        break;
      }
      case 6:
        // The list box refuses the nth item that is added to it.
        host::ListBoxFaults().failingAdds.push_back(input.Byte() % 64);
        break;
      default: {
        CLayoutInfo info;
        info.m_strKeyName = input.String(kMaxKeyName).c_str();
        info.m_strLayoutFile = input.String(kMaxFileName).c_str();
        info.m_strLayoutText = input.String(kMaxData).c_str();
        machine.layouts.push_back(info);
        break;
      }
    }
  }
  return machine;
}
