// A program that shows one message box of each icon, and one without: the
// driver must tell them apart, or its reports of the program's boxes would
// prove nothing about their icons.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const UINT kIcons[] = {MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONERROR, 0};
  for (UINT nIcon : kIcons) MessageBoxA(nullptr, "text", "caption", nIcon | MB_OK);
  return 0;
}
