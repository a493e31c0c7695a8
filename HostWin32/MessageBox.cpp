#include "HostWin32/MessageBox.h"

#include "HostWin32/Host.h"

namespace host {
namespace {
std::vector<CMessageBoxCall> g_boxes;
std::deque<int> g_answers;
}  // namespace

const std::vector<CMessageBoxCall>& MessageBoxes() { return g_boxes; }
void AnswerMessageBoxes(std::deque<int> answers) { g_answers = std::move(answers); }
void ResetMessageBoxes() {
  g_boxes.clear();
  g_answers.clear();
}

}  // namespace host

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  host::LogCall("MessageBoxA");
  host::g_boxes.push_back({hWnd, lpText ? lpText : "", lpCaption ? lpCaption : "Error", uType});
  if (!host::g_answers.empty()) {
    int answer = host::g_answers.front();
    host::g_answers.pop_front();
    return answer;
  }
  return (uType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}
