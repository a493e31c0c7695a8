#!/usr/bin/python3
"""Runs end-to-end scenarios: for each, a fresh Wine prefix set up as the
scenario's machine, the program driven step by step, and what it showed
compared with what the scenario expects.

    run_scenario.py --list
    run_scenario.py [--exe Morvane.exe] [--driver morvane-driver.exe] [--shots DIR] [NAME...]
"""

import argparse
import json
import subprocess
import signal
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from scenarios import BY_NAME, SCENARIOS  # noqa: E402
from wine_machine import WineMachine  # noqa: E402


def differences(expected, seen, path=""):
    """Readable lines naming each place where seen differs from expected."""
    if isinstance(expected, dict) and isinstance(seen, dict):
        lines = []
        for key in sorted(set(expected) | set(seen), key=str):
            if key not in seen:
                lines.append(f"{path}{key}: missing, expected {json.dumps(expected[key])}")
            elif key not in expected:
                lines.append(f"{path}{key}: not expected, seen {json.dumps(seen[key])}")
            else:
                lines += differences(expected[key], seen[key], f"{path}{key}.")
        return lines
    if expected != seen:
        return [f"{path.rstrip('.') or 'value'}: expected {json.dumps(expected)}, seen {json.dumps(seen)}"]
    return []


def check(scenario, reports, pages):
    """The faults found, as readable lines; none when the run went as expected."""
    faults = []
    steps = list(scenario.steps)
    for index, (step, expected) in enumerate(steps):
        if index >= len(reports):
            faults.append(f"step {step}: no report")
            break
        report = reports[index]
        if report.get("step") != step or "seen" not in report:
            faults.append(f"step {step}: {json.dumps(report)}")
            break
        if expected is not None:
            faults += [f"step {step}: {line}" for line in differences(expected, report["seen"])]
    rest = reports[len(steps):]
    if not faults:
        if len(rest) != 1 or "exit" not in rest[0]:
            faults.append("after the steps: " + "; ".join(json.dumps(report) for report in rest))
        else:
            faults += [f"end: {line}" for line in differences({"exit": scenario.exit_code}, rest[0])]
    if scenario.pages is not None and pages != scenario.pages:
        faults.append(f"web pages opened: expected {scenario.pages}, seen {pages}")
    return faults


def run(scenario, exe, driver, work_dir, shots_dir):
    print(f"=== {scenario.name}")
    with WineMachine(scenario.machine, exe, driver, work_dir=work_dir) as machine:
        def take_shot(name, area):
            if not shots_dir:
                return
            shots_dir.mkdir(parents=True, exist_ok=True)
            machine.screenshot(shots_dir / f"{name}.png", area)

        reports = []
        for report in machine.drive([step for step, _ in scenario.steps], on_shot=take_shot):
            print(json.dumps(report))
            reports.append(report)
        pages = machine.opened_pages() if scenario.pages is not None else None
    faults = check(scenario, reports, pages)
    for fault in faults:
        print("FAULT " + fault)
    print(f"=== {scenario.name}: {'failed' if faults else 'passed'}")
    return not faults


def main():
    # Stopped from outside, still stop the prefix's processes and the Xvfb.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="store_true", help="print the scenario names, one per line")
    build = Path(__file__).resolve().parents[2] / "build" / "mingw-x86_64"
    parser.add_argument("--exe", type=Path, default=build / "Morvane" / "Morvane.exe",
                        help="the x86_64 Morvane.exe (default: the mingw-x86_64 build's)")
    parser.add_argument("--driver", type=Path, default=build / "tests" / "e2e" / "driver" / "morvane-driver.exe",
                        help="morvane-driver.exe (default: the mingw-x86_64 build's)")
    parser.add_argument("--work", type=Path, help="where the throwaway prefixes go")
    parser.add_argument("--shots", type=Path, help="where screenshots are saved")
    parser.add_argument("names", nargs="*", help="scenarios to run (all when none is named)")
    args = parser.parse_args()
    if args.list:
        print("\n".join(scenario.name for scenario in SCENARIOS))
        return 0
    unknown = [name for name in args.names if name not in BY_NAME]
    if unknown:
        parser.error("unknown scenarios: " + ", ".join(unknown))
    chosen = [BY_NAME[name] for name in args.names] if args.names else SCENARIOS
    results = [run(scenario, args.exe, args.driver, args.work, args.shots) for scenario in chosen]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
