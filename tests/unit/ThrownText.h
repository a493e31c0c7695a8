// What a call throws, as text: the CMsgException's text, or a marker for
// anything else, so that a test compares one string and owns no pointer.
#pragma once

#include "Morvane/MsgException.h"

#include <string>

const char kNothingThrown[] = "<nothing thrown>";

template <class F>
std::string ThrownText(F call) {
  try {
    call();
  } catch (CException* e) {
    CMsgException* pMsg = dynamic_cast<CMsgException*>(e);
    std::string text = pMsg ? static_cast<LPCSTR>(pMsg->GetText()) : "<other CException>";
    e->Delete();
    return text;
  }
  return kNothingThrown;
}
