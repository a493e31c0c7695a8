#include "Session.h"

#include "Observe.h"
#include "ProcessWindows.h"

#include <cstdio>
#include <iostream>

namespace {

const DWORD kPollMs = 10;

// Keys reach a dialog through its modal loop, which hands them to the
// dialog manager as it does a user's key presses.
void PressKey(HWND hTarget, WPARAM vk) {
  UINT nScan = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
  PostMessageW(hTarget, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(nScan) << 16));
  PostMessageW(hTarget, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(nScan) << 16) | (3LL << 30));
}

HWND KeyTarget(HWND hWindow) {
  HWND hFocus = FocusOfThreadOf(hWindow);
  return hFocus && (hFocus == hWindow || IsChild(hWindow, hFocus)) ? hFocus : hWindow;
}

DWORD WINAPI SendClick(LPVOID pCheckBox) {
  // Returns once the dialog has handled the click, or when a box that the
  // handling opened has been closed.
  SendMessageW(static_cast<HWND>(pCheckBox), BM_CLICK, 0, 0);
  return 0;
}

HWND FindButton(HWND hParent, int nId) { return FindChild(hParent, nId, L"Button"); }

// The part of the screen that the program's windows cover, with a margin, as
// an X geometry (WxH+X+Y) for cutting it out of a screenshot.
std::string ShownArea(DWORD dwProcessId) {
  const long kMargin = 12;
  RECT rcArea = {};
  for (HWND hWnd : VisibleTopLevelWindows(dwProcessId)) {
    RECT rcWindow = {};
    GetWindowRect(hWnd, &rcWindow);
    UnionRect(&rcArea, &rcArea, &rcWindow);
  }
  if (IsRectEmpty(&rcArea)) SetRect(&rcArea, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  InflateRect(&rcArea, kMargin, kMargin);
  IntersectRect(&rcArea, &rcArea, &rcScreen);
  return std::to_string(rcArea.right - rcArea.left) + "x" + std::to_string(rcArea.bottom - rcArea.top) + "+" +
         std::to_string(rcArea.left) + "+" + std::to_string(rcArea.top);
}

}  // namespace

void Emit(const CJsonObject& line) {
  std::string strText = line.Text();
  std::fwrite(strText.data(), 1, strText.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

CSession::CSession(HANDLE hProcess, DWORD dwProcessId, DWORD dwTimeoutMs, ULONGLONG nStartTick, bool bTiming)
    : m_hProcess(hProcess),
      m_dwProcessId(dwProcessId),
      m_dwTimeoutMs(dwTimeoutMs),
      m_nStartTick(nStartTick),
      m_bTiming(bTiming) {}

CSession::~CSession() {
  if (m_hClickThread) {
    WaitForSingleObject(m_hClickThread, m_dwTimeoutMs);
    CloseHandle(m_hClickThread);
  }
}

CSession::EWaitResult CSession::WaitForDialog(HWND& hChecker) {
  for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= m_dwTimeoutMs; Sleep(kPollMs)) {
    if (WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0) return kExited;
    hChecker = FindCheckerDialog(m_dwProcessId);
    if (FindPopup(m_dwProcessId, hChecker)) return kOther;
    if (hChecker && IsWindowEnabled(hChecker)) return kFound;
  }
  return kTimedOut;
}

CSession::EWaitResult CSession::WaitForPopup(HWND& hPopup) {
  for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= m_dwTimeoutMs; Sleep(kPollMs)) {
    if (WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0) return kExited;
    hPopup = FindPopup(m_dwProcessId, FindCheckerDialog(m_dwProcessId));
    if (hPopup) return kFound;
  }
  return kTimedOut;
}

bool CSession::WaitUntilGone(HWND hWnd) {
  for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= m_dwTimeoutMs; Sleep(kPollMs))
    if (!IsWindow(hWnd) || !IsWindowVisible(hWnd)) return true;
  return false;
}

bool CSession::Report(const std::string& strStep, EWaitResult result, CJsonObject observed) {
  CJsonObject line;
  line.Add("step", strStep.c_str());
  if (m_bTiming) line.Add("ms", static_cast<long long>(GetTickCount64() - m_nStartTick));
  switch (result) {
    case kFound:
      line.Add("seen", observed);
      break;
    case kExited:
      line.Add("instead", "the program ended");
      break;
    case kOther: {
      HWND hPopup = FindPopup(m_dwProcessId, FindCheckerDialog(m_dwProcessId));
      line.Add("instead", "a box");
      if (hPopup) line.Add("box", ReadMessageBox(hPopup));
      break;
    }
    case kTimedOut:
      line.Add("instead", "nothing in time");
      line.Add("there", DescribeWindows(m_dwProcessId));
      break;
  }
  Emit(line);
  return result == kFound;
}

bool CSession::Step(const std::string& strStep) {
  size_t nColon = strStep.find(':');
  std::string strVerb = strStep.substr(0, nColon);
  std::string strArgument = nColon == std::string::npos ? std::string() : strStep.substr(nColon + 1);
  if (strVerb == "box") return Box(strStep, strArgument);
  if (strVerb == "dialog") return Dialog(strStep);
  if (strVerb == "click") return Click(strStep);
  if (strVerb == "about") return About(strStep, strArgument);
  if (strVerb == "close-about") return CloseAbout(strStep, strArgument);
  if (strVerb == "close") return Close(strStep, strArgument);
  if (strVerb == "shot") return Shot(strStep, strArgument);
  if (strVerb == "wait") {
    WaitForSingleObject(m_hProcess, INFINITE);
    return Report(strStep, kFound, CJsonObject());
  }
  CJsonObject line;
  line.Add("step", strStep.c_str()).Add("instead", "an unknown step");
  Emit(line);
  return false;
}

bool CSession::Box(const std::string& strStep, const std::string& strAnswer) {
  int nButton = strAnswer == "ok" ? IDOK : strAnswer == "yes" ? IDYES : strAnswer == "no" ? IDNO
              : strAnswer == "cancel" ? IDCANCEL : 0;
  HWND hBox = nullptr;
  EWaitResult result = WaitForPopup(hBox);
  if (result != kFound) return Report(strStep, result, CJsonObject());
  CJsonObject seen = ReadMessageBox(hBox);
  HWND hButton = FindButton(hBox, nButton);
  if (!hButton) {
    CJsonObject line;
    line.Add("step", strStep.c_str()).Add("seen", seen).Add("instead", "no such button");
    Emit(line);
    return false;
  }
  Report(strStep, kFound, seen);
  PostMessageW(hButton, BM_CLICK, 0, 0);
  return WaitUntilGone(hBox) || Report(strStep, kTimedOut, CJsonObject());
}

bool CSession::Dialog(const std::string& strStep) {
  if (m_hClickThread) {
    // A click that is still being handled ends with the box it opened.
    WaitForSingleObject(m_hClickThread, m_dwTimeoutMs);
    CloseHandle(m_hClickThread);
    m_hClickThread = nullptr;
  }
  EWaitResult result = WaitForDialog(m_hChecker);
  return Report(strStep, result, result == kFound ? ReadCheckerDialog(m_hChecker) : CJsonObject());
}

bool CSession::Click(const std::string& strStep) {
  EWaitResult result = WaitForDialog(m_hChecker);
  if (result != kFound) return Report(strStep, result, CJsonObject());
  HWND hCheck = FindButton(m_hChecker, kCheckBoxId);
  CJsonObject seen;
  seen.AddBool("clicked", hCheck && IsWindowVisible(hCheck));
  if (hCheck && IsWindowVisible(hCheck)) {
    m_hClickThread = CreateThread(nullptr, 0, SendClick, hCheck, 0, nullptr);
    // Either the handling ends, or it opens a box that a later step answers.
    for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= m_dwTimeoutMs; Sleep(kPollMs)) {
      if (WaitForSingleObject(m_hClickThread, 0) == WAIT_OBJECT_0) {
        CloseHandle(m_hClickThread);
        m_hClickThread = nullptr;
        break;
      }
      if (FindPopup(m_dwProcessId, m_hChecker)) break;
    }
  }
  return Report(strStep, kFound, seen);
}

bool CSession::About(const std::string& strStep, const std::string& strCommand) {
  WPARAM nCommand = strCommand.empty() ? 16 : std::stoul(strCommand);
  EWaitResult result = WaitForDialog(m_hChecker);
  if (result != kFound) return Report(strStep, result, CJsonObject());
  // Posted: the dialog runs the About box inside its handling of the command.
  PostMessageW(m_hChecker, WM_SYSCOMMAND, nCommand, 0);
  HWND hAbout = nullptr;
  result = WaitForPopup(hAbout);
  return Report(strStep, result, result == kFound ? ReadAboutBox(hAbout, m_hChecker) : CJsonObject());
}

bool CSession::CloseAbout(const std::string& strStep, const std::string& strHow) {
  HWND hAbout = nullptr;
  EWaitResult result = WaitForPopup(hAbout);
  if (result != kFound) return Report(strStep, result, CJsonObject());
  if (strHow == "ok") {
    PostMessageW(FindButton(hAbout, IDOK), BM_CLICK, 0, 0);
  } else if (strHow == "enter") {
    PressKey(KeyTarget(hAbout), VK_RETURN);
  } else if (strHow == "escape") {
    PressKey(KeyTarget(hAbout), VK_ESCAPE);
  } else {
    PostMessageW(hAbout, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  if (!WaitUntilGone(hAbout)) return Report(strStep, kTimedOut, CJsonObject());
  result = WaitForDialog(m_hChecker);
  return Report(strStep, result, CJsonObject());
}

bool CSession::Close(const std::string& strStep, const std::string& strHow) {
  EWaitResult result = WaitForDialog(m_hChecker);
  if (result != kFound) return Report(strStep, result, CJsonObject());
  if (strHow == "enter") {
    PressKey(KeyTarget(m_hChecker), VK_RETURN);
  } else if (strHow == "escape") {
    PressKey(KeyTarget(m_hChecker), VK_ESCAPE);
  } else {
    // What the caption's close button sends; a click on it needs a real
    // mouse over the caption, which a window without a window manager lacks.
    PostMessageW(m_hChecker, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  return Report(strStep, kFound, CJsonObject());
}

bool CSession::Shot(const std::string& strStep, const std::string& strName) {
  for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= m_dwTimeoutMs; Sleep(kPollMs))
    if (!VisibleTopLevelWindows(m_dwProcessId).empty() || WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0) break;
  // Let the last change reach the screen.
  Sleep(300);
  CJsonObject seen;
  seen.Add("name", strName.c_str());
  seen.Add("area", ShownArea(m_dwProcessId).c_str());
  Report(strStep, kFound, seen);
  std::string strLine;
  std::getline(std::cin, strLine);
  return true;
}

void CSession::Finish() {
  CJsonObject line;
  if (WaitForSingleObject(m_hProcess, m_dwTimeoutMs) != WAIT_OBJECT_0) {
    line.Add("instead", "the program did not end").Add("there", DescribeWindows(m_dwProcessId));
    TerminateProcess(m_hProcess, 255);
    WaitForSingleObject(m_hProcess, m_dwTimeoutMs);
  }
  DWORD dwExitCode = 0;
  GetExitCodeProcess(m_hProcess, &dwExitCode);
  line.Add("exit", static_cast<long long>(dwExitCode));
  Emit(line);
}
