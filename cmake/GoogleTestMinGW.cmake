# GoogleTest for the Windows-side tests, built once per build tree from
# Debian's sources with the toolchain's (posix thread model) compilers, and
# morvane_windows_test(NAME SOURCES...): one test executable, linked
# statically, that ctest runs under wine64 through the toolchain's emulator
# (scripts/wine-run.sh): a throwaway Wine prefix for each run.
include_guard(GLOBAL)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(morvane_windows_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest gtest_main)
  target_link_options(${name} PRIVATE -static)
  # One ctest entry per executable: listing its tests would take a Wine run.
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
