#!/usr/bin/python3
"""Times Morvane's start under wine64 on the demo machine, from the start of
its process to its checker dialog being visible, against our empty dialog
program (the floor that Wine itself sets), in alternating runs; prints the
medians and their ratio.

    measure_startup.py --build BUILD_DIR [--runs N]

BUILD_DIR is a mingw-x86_64 build with Morvane, the end-to-end driver, the
timer and the empty dialog.
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

from machines import MACHINES  # noqa: E402
from wine_machine import WINE, WineMachine  # noqa: E402

CHECKER_CAPTION = "Tavrix Requirements Checker"
FLOOR_CAPTION = "Empty Dialog"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", type=Path, required=True)
    parser.add_argument("--runs", type=int, default=9)
    args = parser.parse_args()
    build = args.build.resolve()
    exe = build / "Morvane" / "Morvane.exe"
    driver = build / "tests" / "e2e" / "driver" / "morvane-driver.exe"

    with WineMachine(MACHINES["demo"], exe, driver, work_dir=build / "bench") as machine:
        # One run through the driver writes the demo machine into the prefix
        # (it stays for the timed runs) and shows that the dialog opens there.
        reports = list(machine.drive(["dialog", "close:escape"], timeout_ms=60000))
        if not any(report.get("step") == "dialog" and "seen" in report for report in reports):
            print(f"Morvane showed no checker dialog on the demo machine: {reports}", file=sys.stderr)
            return 1
        for name in ("startup-timer.exe", "empty-dialog.exe"):
            shutil.copy2(build / "bench" / "startup" / name, machine.run_path(name))
        command = [WINE, machine.windows_path("startup-timer.exe"), str(args.runs),
                   CHECKER_CAPTION, machine.windows_path("Morvane.exe"),
                   FLOOR_CAPTION, machine.windows_path("empty-dialog.exe")]
        timed = subprocess.run(command, env=machine.environment(), capture_output=True, text=True, timeout=600)
        if timed.returncode != 0:
            print(timed.stdout + timed.stderr, file=sys.stderr)
            return 1

    times = {}
    for line in timed.stdout.splitlines():
        program, ms = line.rsplit(" ", 1)
        times.setdefault(program.rsplit("\\", 1)[-1], []).append(float(ms))
    morvane = statistics.median(times["Morvane.exe"])
    floor = statistics.median(times["empty-dialog.exe"])
    print(f"Start-up to visible dialog under wine64, demo machine, median of {args.runs} runs each:")
    print(f"  {'Morvane.exe':<18} {morvane:8.1f} ms   (runs: {' '.join(f'{t:.0f}' for t in times['Morvane.exe'])})")
    print(f"  {'empty-dialog.exe':<18} {floor:8.1f} ms   (runs: {' '.join(f'{t:.0f}' for t in times['empty-dialog.exe'])})")
    print(f"  ratio {morvane / floor:.2f} (goal: at most 1.2)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
