// Stand-in for MessageBoxA: every box is logged, and its answer comes from a
// script that the test sets up.
#pragma once

#include "HostWin32/Win32Types.h"

#include <deque>
#include <string>
#include <vector>

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNO 0x00000004L
#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L

#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

namespace host {

struct CMessageBoxCall {
  HWND hWndOwner;
  std::string strText;
  std::string strCaption;
  UINT uType;
};

// Boxes shown so far, oldest first.
const std::vector<CMessageBoxCall>& MessageBoxes();
// Answers for the next boxes, in order. With none left a box answers IDOK,
// or IDNO for a Yes/No box.
void AnswerMessageBoxes(std::deque<int> answers);
void ResetMessageBoxes();

}  // namespace host
