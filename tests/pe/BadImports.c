/* Imports, on purpose, what the shipped exe must never import, so that the
   import audit can be seen to catch it in a real import table. Never run. */
#define _WIN32_WINNT 0x0601
#include <windows.h>
#include <imagehlp.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevious, LPSTR pszCommandLine, int nShow) {
  BOOL bWow64 = FALSE;
  DWORD dwHeaderSum = 0;
  DWORD dwCheckSum = 0;
  (void)hInstance;
  (void)hPrevious;
  (void)pszCommandLine;
  (void)nShow;
  IsWow64Process(GetCurrentProcess(), &bWow64);
  CheckSumMappedFile(NULL, 0, &dwHeaderSum, &dwCheckSum);
  return bWow64;
}
