#!/usr/bin/python3
"""Times the program's first read of the layout catalogue (GetUsableLayouts,
as the checker dialog calls it when it is built) on the real Win32 registry
and file system under wine64, at 200, 2,000 and 20,000 layouts; prints the
medians and the ratio of 20,000 to 2,000.

    measure_catalogue.py --build BUILD_DIR [--runs N]

BUILD_DIR is a mingw-x86_64 build with Morvane, the end-to-end driver and
the catalogue timer. Every tenth layout's file is missing; the others lie in
system32. The catalogue is read once per process, so each run is a process.
"""

import argparse
import shutil
import statistics
import subprocess
import sys
from pathlib import Path

sys.dont_write_bytecode = True
REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from machines import TYPICAL, Layout  # noqa: E402
from wine_machine import WINE, WineMachine  # noqa: E402

SIZES = (200, 2000, 20000)


def catalogue(count):
    return tuple(Layout(key=f"{i & 0xFFFF:04X}0409", text=f"Layout {i:06d}", file=f"KBD{i:06d}.DLL",
                        layout_id="0001", file_present=i % 10 != 9) for i in range(count))


def time_reads(build, count, runs):
    exe = build / "Morvane" / "Morvane.exe"
    driver = build / "tests" / "e2e" / "driver" / "morvane-driver.exe"
    with WineMachine(TYPICAL.but(layouts=catalogue(count)), exe, driver, work_dir=build / "bench") as machine:
        # One run through the driver writes the machine into the prefix.
        list(machine.drive(["dialog", "close:escape"], timeout_ms=120000))
        shutil.copy2(build / "bench" / "startup" / "catalogue-timer.exe", machine.run_path("catalogue-timer.exe"))
        runs_seen = []
        for _ in range(runs):
            run = subprocess.run([WINE, machine.windows_path("catalogue-timer.exe")], env=machine.environment(),
                                 capture_output=True, text=True, timeout=600)
            fields = run.stdout.split()
            if run.returncode != 0 or len(fields) != 3 or int(fields[2]) != count - count // 10:
                raise RuntimeError(f"catalogue of {count}: {run.stdout} {run.stderr}")
            runs_seen.append((float(fields[0]), float(fields[1])))
        return runs_seen


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", type=Path, required=True)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    medians = {}
    print(f"Catalogue read under wine64 (real registry and files), median of {args.runs} processes each:")
    print(f"  {'layouts':>8} {'total ms':>10} {'registry':>10} {'files':>10}")
    for count in SIZES:
        runs = time_reads(args.build.resolve(), count, args.runs)
        total = statistics.median(registry + files for registry, files in runs)
        registry = statistics.median(registry for registry, _ in runs)
        files = statistics.median(files for _, files in runs)
        medians[count] = (total, registry, files)
        print(f"  {count:>8} {total:10.1f} {registry:10.1f} {files:10.1f}")
    ratios = [medians[20000][i] / medians[2000][i] for i in range(3)]
    print(f"  {'20k / 2k':>8} {ratios[0]:10.1f} {ratios[1]:10.1f} {ratios[2]:10.1f}   (goal for the total: at most 15)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
