#!/usr/bin/python3
"""Prints Google Benchmark results (JSON files) as one table: a row per
benchmark, a column per size, and the ratio of 20,000 layouts to 2,000.

    print_figures.py RESULTS.json [RESULTS.json...]
"""

import json
import re
import sys

SIZES = (200, 2000, 20000)


def main():
    rows = {}
    notes = {}
    for path in sys.argv[1:]:
        with open(path) as results:
            for run in json.load(results)["benchmarks"]:
                if run.get("run_type") != "iteration" or run.get("error_occurred"):
                    continue
                match = re.match(r"BM_(\w+)/(\d+)", run["name"])
                if not match:
                    continue
                name, size = match.group(1), int(match.group(2))
                scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
                rows.setdefault(name, {})[size] = run["real_time"] * scale
                extra = {key: value for key, value in run.items() if key.endswith("_per_layout")}
                if extra:
                    notes.setdefault(name, {})[size] = extra
    print(f"  {'benchmark':<16}" + "".join(f"{size:>12}" for size in SIZES) + f"{'20k / 2k':>10}")
    for name, times in rows.items():
        cells = "".join(f"{times[size]:>10.0f}us" if size in times else f"{'-':>12}" for size in SIZES)
        ratio = f"{times[20000] / times[2000]:>10.1f}" if 20000 in times and 2000 in times else f"{'-':>10}"
        print(f"  {name:<16}{cells}{ratio}")
    for name, per_size in notes.items():
        for size, extra in sorted(per_size.items()):
            figures = ", ".join(f"{key.replace('_', ' ')} {value:.2f}" for key, value in sorted(extra.items()))
            print(f"  {name} at {size}: {figures}")
    print("  (goal: at most 15 for 20k / 2k)")


if __name__ == "__main__":
    main()
