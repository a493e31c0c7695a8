// Text helpers of the stand-in itself (not part of the API it imitates).
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace host {

// Windows matches file, module and registry names without regard to ASCII
// letter case; the stand-in keys its tables by this form.
inline std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace host
