#include "Morvane/Morvane.h"

#include "Morvane/CheckerDlg.h"
#include "Morvane/MsgException.h"
#include "Morvane/Probes.h"

CCheckerApp theApp;

namespace {

const char kCaptionRequirements[] = "Tavrix Requirements Checker.";
const char kCaptionInstallFailed[] = "Tavrix Installation Failed";
const char kTooOld[] = "Cannot install Tavrix on this version of Windows because it is too old.";
const char kNo64Bit[] = "Presently cannot install Tavrix on 64-bit Windows.";
const char kAllRequirements[] = "You have all requirements to install Tavrix.";
const char kConsonantsOnly[] =
    " will only support Hebrew consonants as described in the QuickStart Tutorial.  It will not support the vowels "
    "and symbols in the Advanced Tutorial.";
const char kHebrewMissingNT[] =
    "Hebrew is not currently installed.  To install Tavrix. you will need your Windows disk so that during Tavrix "
    "installation, you can install Hebrew support.";
const char kHebrewMissing9x[] =
    "Hebrew support is not installed in your Windows system.\nBefore installing Tavrix, you must install Hebrew "
    "support.\nDo you want help installing Hebrew support?";
const char kHebrewHelpPage[] = "https://www.tavrix.com/support/install-hebrew.html";

const int kErrorVersionQuery = 88;

LPCSTR Windows9xOpening(DWORD dwMinorVersion) {
  switch (dwMinorVersion) {
    case 0:
      return "Tavrix has not been tested on Windows 95.  Try at your own risk!\nAlso, Windows 95";
    case 10:
      return "Windows 98";
    case 90:
      return "Windows ME";
    default:
      return "Tavrix has not been tested on this version of Windows.  Try at your own risk.  Also, this version "
             "of Windows";
  }
}

void CheckImageHlp() {
  CLibraryHandle imageHlp;
  if (!imageHlp.Load("ImageHlp.dll", 0)) FailAndExit(kTooOld);
  if (GetProcAddress(imageHlp.m_hModule, "CheckSumMappedFile") == nullptr) FailAndExit(kTooOld);
  imageHlp.Free();
}

void CheckPlatform(CString& strMessage) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) ThrowInternalError(__FILE__, kErrorVersionQuery);
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
      AppendLine(strMessage, Windows9xOpening(info.dwMinorVersion));
      strMessage += kConsonantsOnly;
      break;
    case VER_PLATFORM_WIN32_NT:
      if (info.dwMajorVersion < 4) FailAndExit(kTooOld);
      break;
    case VER_PLATFORM_WIN32s:
      FailAndExit(kTooOld);
  }
}

void CheckHebrew(CString& strMessage) {
  if (IsHebrewInstalled()) return;
  if (IsWindowsNT()) {
    AppendLine(strMessage, kHebrewMissingNT);
    return;
  }
  if (MessageBoxA(nullptr, kHebrewMissing9x, kCaptionInstallFailed, MB_ICONERROR | MB_YESNO) == IDYES)
    ShellExecuteA(nullptr, "open", kHebrewHelpPage, nullptr, nullptr, SW_SHOW);
  ExitProcess(1);
}

}  // namespace

void FailAndExit(LPCSTR pszText) {
  MessageBoxA(nullptr, pszText, kCaptionRequirements, MB_ICONERROR | MB_OK);
  ExitProcess(1);
}

CString& AppendLine(CString& strMessage, LPCSTR pszText) {
  if (!strMessage.IsEmpty()) strMessage += '\n';
  strMessage += pszText;
  return strMessage;
}

CString CheckRequirements() {
  CString strMessage;
  CheckImageHlp();
  CheckPlatform(strMessage);
  if (IsRunningOnWow64()) FailAndExit(kNo64Bit);
  CheckHebrew(strMessage);
  if (strMessage.IsEmpty()) strMessage = kAllRequirements;
  return strMessage;
}

BOOL CCheckerApp::InitInstance() {
  CString strMessage = CheckRequirements();
  // The dialog is the main window while it runs: the framework's boxes are
  // owned by it. Returning FALSE ends the program without a message loop.
  CCheckerDlg dlg(strMessage);
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
