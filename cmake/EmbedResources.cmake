# Turns a compiled resource file (.res) into a C++ source that registers its
# bytes with the host stand-in as the program's resources, so that host tests
# run with the very templates, strings and icons that ship.
# Usage: cmake -DINPUT=file.res -DOUTPUT=file.cpp -P EmbedResources.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include \"HostWin32/Resources.h\"

namespace {
const unsigned char kResources[] = {
    ${bytes}
};
[[maybe_unused]] const bool kRegistered = host::RegisterModuleResources(kResources, sizeof kResources);
}  // namespace
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
