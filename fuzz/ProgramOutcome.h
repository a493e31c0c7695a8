// What may come of running a part of the program on a hostile machine: a
// normal return, or a CMsgException that carries one of the program's own
// texts. Anything else (another exception, a stray text, a handle left open)
// is reported on stderr and ends the run with abort(), which the fuzzer
// records as a crash.
#pragma once

#include "Framework/CException.h"
#include "Framework/CString.h"

#include <string>

// True for the texts that the registry module and the layout catalogue raise.
bool IsProgramFailureText(const std::string& text);

[[noreturn]] void ReportFault(const char* pszStep, const std::string& what);

// The CMsgException's text, or a marker for another CException.
std::string DescribeException(CException* e);

// Runs the step and holds its outcome to the rules above; true when it
// returned normally.
template <class F>
bool RunStep(const char* pszStep, F step) {
  try {
    step();
    return true;
  } catch (CException* e) {
    const std::string text = DescribeException(e);
    e->Delete();
    if (!IsProgramFailureText(text)) ReportFault(pszStep, "unexpected exception text: " + text);
    return false;
  } catch (...) {
    ReportFault(pszStep, "an exception that is not a CException");
  }
}

// Aborts when the stand-in reports a handle still open.
void ExpectNoLeaks(const char* pszStep);
