// Types, macros and constants of the Win32 API, as far as the program and its
// tests use them. Sizes follow Windows (32-bit DWORD and LONG), not Linux.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef wchar_t WCHAR;
typedef std::intptr_t INT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef DWORD* PDWORD;
typedef BOOL* PBOOL;
typedef LONG* PLONG;
typedef UINT* PUINT;
typedef WORD LANGID;
typedef DWORD LCID;
typedef DWORD LGRPID;
typedef LONG LSTATUS;
typedef DWORD ACCESS_MASK;
typedef ACCESS_MASK REGSAM;

#define MORVANE_HOST_HANDLE(name) \
  struct name##__ { int unused; };   \
  typedef struct name##__* name

MORVANE_HOST_HANDLE(HKEY);
MORVANE_HOST_HANDLE(HWND);
MORVANE_HOST_HANDLE(HINSTANCE);
MORVANE_HOST_HANDLE(HICON);
MORVANE_HOST_HANDLE(HMENU);
MORVANE_HOST_HANDLE(HDC);
MORVANE_HOST_HANDLE(HBRUSH);
MORVANE_HOST_HANDLE(HFONT);
MORVANE_HOST_HANDLE(HRSRC);
typedef HINSTANCE HMODULE;
typedef HANDLE HGLOBAL;
typedef HICON HCURSOR;
typedef HKEY* PHKEY;

typedef INT_PTR (*FARPROC)();

typedef struct _FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

#ifndef NULL
#define NULL nullptr
#endif
#define TRUE 1
#define FALSE 0
#define MAX_PATH 260

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)

#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid) & 0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define LANGIDFROMLCID(lcid) ((WORD)(lcid))

#define LANG_NEUTRAL 0x00
#define LANG_ARABIC 0x01
#define LANG_CHINESE 0x04
#define LANG_ENGLISH 0x09
#define LANG_HEBREW 0x0d
#define LANG_JAPANESE 0x11
#define LANG_RUSSIAN 0x19
#define LANG_SERBIAN 0x1a
#define LANG_THAI 0x1e
#define LANG_BELARUSIAN 0x23
#define LANG_ARMENIAN 0x2b
#define LANG_AZERI 0x2c
#define LANG_GEORGIAN 0x37
#define LANG_HINDI 0x39
#define LANG_UZBEK 0x43
#define LANG_TAMIL 0x49
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_AZERI_CYRILLIC 0x02
#define SUBLANG_UZBEK_CYRILLIC 0x02
#define SUBLANG_SERBIAN_CYRILLIC 0x03

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INVALID_NAME 123L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L
