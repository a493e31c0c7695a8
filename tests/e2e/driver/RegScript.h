// Writes a machine's registry from a text in the .reg format (UTF-8):
//   [HKEY_...\path]          create the key (and its parents)
//   [-HKEY_...\path]         delete the key with everything below it
//   "name"="text"  @="text"  a REG_SZ value (@ is the default value)
//   "name"=dword:0000040d    a REG_DWORD value
//   "name"=hex(N):61,00      a value of type N with these bytes (hex: is REG_BINARY)
//   "name"=-                 delete the value
// and one line of our own, which the format has no word for:
//   $read-only               let everyone read the key and nobody change it,
//                            as a user without administrator rights finds
//                            the machine's keys; checks that Wine then refuses
//                            full access and grants reading
// Lines starting with ; are comments. Anything else is an error.
#pragma once

#include <string>

// Throws std::runtime_error naming the line that could not be applied.
void ApplyRegScript(const std::string& strScript);

// The text of a file; throws std::runtime_error when it cannot be read.
std::string ReadTextFile(const std::string& strPath);
