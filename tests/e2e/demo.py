#!/usr/bin/python3
"""Opens Morvane under wine64 on the demo machine (the typical run: NT family,
Hebrew installed, a realistic catalogue of keyboard layouts whose files
exist, an English and a Hebrew layout loaded).

With a DISPLAY the dialog stays open until you close it. Without one it runs
on a private Xvfb: the screenshot is saved, what the dialog shows is printed,
and the dialog is closed.

    demo.py --exe Morvane.exe --driver morvane-driver.exe --shot FILE.png
"""

import argparse
import os
import signal
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from machines import MACHINES  # noqa: E402
from wine_machine import WineMachine  # noqa: E402


def describe(dialog):
    """What the dialog shows, as text."""
    lines = [dialog["caption"], ""]
    lines += ["  " + line for line in dialog["message"].split("\n")]
    lines += ["", "  Installed Keyboard Layouts which may be Tavrixized:"]
    for item in dialog["items"]:
        mark = ">" if item["text"] == dialog["marked"] else " "
        lines.append(f"   {mark} {item['text']}")
    if not dialog["items"]:
        lines.append("     (none)")
    checkbox = dialog["checkbox"]
    if checkbox.get("visible"):
        lines += ["", f"  [{'x' if checkbox['checked'] else ' '}] {checkbox['text']}"]
    return "\n".join(lines)


def main():
    # Stopped from outside, still stop the prefix's processes and the Xvfb.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", type=Path, required=True)
    parser.add_argument("--driver", type=Path, required=True)
    parser.add_argument("--shot", type=Path, required=True, help="where the screenshot goes (without a DISPLAY)")
    parser.add_argument("--work", type=Path, help="where the throwaway prefix goes")
    args = parser.parse_args()

    display = os.environ.get("DISPLAY")
    steps = ["dialog", "wait"] if display else ["dialog", "shot:demo", "close:escape"]
    with WineMachine(MACHINES["demo"], args.exe, args.driver, work_dir=args.work, display=display) as machine:
        def take_shot(_name, area):
            args.shot.parent.mkdir(parents=True, exist_ok=True)
            machine.screenshot(args.shot, area)

        shown = False
        for report in machine.drive(steps, on_shot=take_shot, timeout_ms=60000):
            if report.get("step") == "dialog":
                shown = "seen" in report
                print(describe(report["seen"]) if shown else f"No dialog: {report}")
                if display:
                    print("\n(The dialog is open on your display; close it to end.)")
            elif "exit" in report:
                print(f"\nMorvane ended with exit code {report['exit']}.")
            elif "error" in report or "instead" in report:
                print(f"Driver: {report}")
    if shown and not display:
        print(f"Screenshot: {args.shot}")
    return 0 if shown else 1


if __name__ == "__main__":
    sys.exit(main())
