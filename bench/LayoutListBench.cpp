// Filling the checker dialog's layout list, both views, at 200, 2,000 and
// 20,000 layouts, on the host stand-in. Every tenth layout is the same layout
// as an earlier one (its file name in other letter case), every seventh is of
// an excluded language, and the preload list names a tenth of the layouts.
// The texts rise with the layout number, so the sorted list box appends and
// its own insertion cost stays out of the figures as far as it can.
#include "Framework/CButton.h"
#include "Framework/CListBox.h"
#include "Morvane/LayoutList.h"

#include "HostWin32/Host.h"
#include "HostWin32/Registry.h"
#include "HostWin32/Windows.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<CLayoutInfo> MakeLayouts(int n) {
  std::vector<CLayoutInfo> layouts(static_cast<std::size_t>(n));
  char szBuffer[32];
  for (int i = 0; i < n; ++i) {
    CLayoutInfo& layout = layouts[static_cast<std::size_t>(i)];
    const int nLanguage = i % 7 == 6 ? 0x0419 : 0x0409;  // Russian is excluded
    std::snprintf(szBuffer, sizeof szBuffer, "%04X%04X", i & 0xFFFF, nLanguage);
    layout.m_strKeyName = szBuffer;
    if (i % 10 == 9) {
      const CLayoutInfo& earlier = layouts[static_cast<std::size_t>(i - 5)];
      layout.m_strLayoutText = earlier.m_strLayoutText;
      std::snprintf(szBuffer, sizeof szBuffer, "kbd%06d.dll", i - 5);
      layout.m_strLayoutFile = szBuffer;
    } else {
      std::snprintf(szBuffer, sizeof szBuffer, "Layout %06d", i);
      layout.m_strLayoutText = szBuffer;
      std::snprintf(szBuffer, sizeof szBuffer, "KBD%06d.DLL", i);
      layout.m_strLayoutFile = szBuffer;
    }
  }
  return layouts;
}

// A fresh machine with the preload list, a list box and a check box with
// the checker dialog's styles; the windows go when it does.
class CMachine {
 public:
  CMachine(const std::vector<CLayoutInfo>& layouts, bool bFullView) {
    host::Reset();
    for (std::size_t i = 0; i < layouts.size(); i += 10)
      host::SetRegString(HKEY_CURRENT_USER, "keyboard layout\\Preload", std::to_string(i / 10 + 1),
                         static_cast<LPCSTR>(layouts[i].m_strKeyName));
    m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    m_list.m_hWnd = CreateWindowExA(0, "LISTBOX", "", 0x50A14103, 0, 0, 300, 80, m_hParent,
                                    reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    m_showMore.m_hWnd = CreateWindowExA(0, "BUTTON", "", 0x50010003, 0, 0, 200, 16, m_hParent,
                                        reinterpret_cast<HMENU>(1026), nullptr, nullptr);
    if (bFullView) SendMessageA(m_showMore.m_hWnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  ~CMachine() { DestroyWindow(m_hParent); }

  HWND m_hParent;
  CListBox m_list;
  CButton m_showMore;
};

void FillLayoutListBench(benchmark::State& state, bool bFullView) {
  const std::vector<CLayoutInfo> layouts = MakeLayouts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    {
      CMachine machine(layouts, bFullView);
      state.ResumeTiming();
      FillLayoutList(machine.m_list, machine.m_showMore, layouts);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void BM_FullView(benchmark::State& state) { FillLayoutListBench(state, true); }
void BM_PreloadView(benchmark::State& state) { FillLayoutListBench(state, false); }

BENCHMARK(BM_FullView)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_PreloadView)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
