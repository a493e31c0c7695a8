#include "Framework/CWinApp.h"

#include "Framework/AfxMessageBox.h"
#include "Framework/CException.h"

#include <cstring>
#include <new>

namespace {

CWinApp* g_pApp = nullptr;

// The file name without directory and extension.
CString TitleFromPath(LPCSTR pszPath) {
  LPCSTR pszName = pszPath;
  for (LPCSTR p = pszPath; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') pszName = p + 1;
  LPCSTR pszDot = std::strrchr(pszName, '.');
  return pszDot ? CString(pszName, static_cast<int>(pszDot - pszName)) : CString(pszName);
}

// Exit code of a run that an exception ended: the one an uncaught exception
// used to give, so that callers that looked at it see the same.
const int kExitUncaughtException = 3;

}  // namespace

CWinApp::CWinApp() { g_pApp = this; }

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() { return g_pApp ? g_pApp->m_hInstance : GetModuleHandleA(nullptr); }

int AfxWinMain(HINSTANCE hInstance) {
  CWinApp* pApp = AfxGetApp();
  char szPath[MAX_PATH + 1] = "";
  GetModuleFileNameA(nullptr, szPath, MAX_PATH);
  pApp->m_hInstance = hInstance;
  pApp->m_strTitle = TitleFromPath(szPath);
  try {
    pApp->InitInstance();
  } catch (CException* e) {
    e->ReportError(MB_ICONSTOP);
    e->Delete();
    return kExitUncaughtException;
  } catch (const std::bad_alloc&) {
    AfxMessageBox("Out of memory.", MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    return kExitUncaughtException;
  }
  return pApp->ExitInstance();
}
