// The test-facing side of the stand-in as a whole: a fresh machine for each
// test, a log of the calls that matter for ordering, and a leak report.
#pragma once

#include <string>
#include <vector>

namespace host {

// A fresh default machine: NT family 5.1, 32-bit, Hebrew installed, ImageHlp
// present, no registry content beyond the predefined roots, no windows.
void Reset();

void LogCall(const std::string& call);
const std::vector<std::string>& Calls();

// Empty when every handle the stand-in gave out has been released; otherwise
// one line per kind still open.
std::string LeakReport();

}  // namespace host
