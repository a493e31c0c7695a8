#include "ProgramOutcome.h"

#include "HostWin32/Host.h"
#include "Morvane/MsgException.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char kOpenPrefix[] = "Problem with Windows Registry: Unable to open subkey: ";
const char* const kFixedTexts[] = {
    "Error reading registry",          "Internal Error: ID=Registry-143", "Internal Error: ID=Registry-176",
    "Internal Error: ID=Registry-184", "Internal Error: ID=Registry-191", "Internal Error: ID=Registry-211",
    "Internal Error: ID=Registry-219",
};

}  // namespace

bool IsProgramFailureText(const std::string& text) {
  if (text.compare(0, sizeof kOpenPrefix - 1, kOpenPrefix) == 0) return true;
  for (const char* pszFixed : kFixedTexts)
    if (text == pszFixed) return true;
  return false;
}

std::string DescribeException(CException* e) {
  CMsgException* pMsg = dynamic_cast<CMsgException*>(e);
  return pMsg ? std::string(static_cast<LPCSTR>(pMsg->GetText())) : "<a CException other than CMsgException>";
}

void ReportFault(const char* pszStep, const std::string& what) {
  std::fprintf(stderr, "==== %s: %s\n", pszStep, what.c_str());
  std::abort();
}

void ExpectNoLeaks(const char* pszStep) {
  const std::string report = host::LeakReport();
  if (!report.empty()) ReportFault(pszStep, "left open:\n" + report);
}
