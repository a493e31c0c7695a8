// The Windows entry point; on the host, tests call AfxWinMain themselves.
#include "Framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return AfxWinMain(hInstance); }
