// Times the program's first read of the layout catalogue on the real Win32
// registry and file system, in its two parts: the registry read
// (GetInstalledLayouts) and the file check of each layout that
// GetUsableLayouts adds. Together they are what the checker dialog pays when
// it is built. One read per process, since the catalogue is read once.
// Prints "<registry ms> <files ms> <usable layouts>".
#include "Framework/CException.h"
#include "Morvane/LayoutCatalogue.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  LARGE_INTEGER start;
  LARGE_INTEGER read;
  LARGE_INTEGER checked;
  std::vector<CLayoutInfo> usable;
  try {
    QueryPerformanceCounter(&start);
    GetInstalledLayouts();
    QueryPerformanceCounter(&read);
    // The catalogue is kept now: this call only checks the files.
    GetUsableLayouts(usable);
    QueryPerformanceCounter(&checked);
  } catch (CException* e) {
    e->Delete();
    std::fprintf(stderr, "the catalogue could not be read\n");
    return 1;
  }
  std::printf("%.2f %.2f %u\n", Milliseconds(start, read), Milliseconds(read, checked),
              static_cast<unsigned>(usable.size()));
  return 0;
}
