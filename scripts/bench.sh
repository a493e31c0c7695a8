#!/usr/bin/env bash
# Prints Morvane's speed figures from one run; it tests nothing and is not
# part of scripts/test.sh:
#  - start-up under wine64 on the demo machine, from the start of the process
#    to the checker dialog being visible, against our empty dialog program
#    (the floor that Wine itself sets), median of several runs, and the ratio;
#  - Google Benchmark on the host stand-in: the catalogue read and both views
#    of the layout list at 200, 2,000 and 20,000 layouts, with the ratio of
#    20,000 to 2,000;
#  - the catalogue read under wine64 on the real registry and files at the
#    same sizes;
#  - the size of the shipped 32-bit exe.
# Build folders: build/host, build/mingw-x86_64 and build/mingw-i686, or
# those that BENCH_HOST_BUILD, BENCH_WINE_BUILD and BENCH_EXE_BUILD name.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

host=${BENCH_HOST_BUILD:-build/host}
wine=${BENCH_WINE_BUILD:-build/mingw-x86_64}
exe=${BENCH_EXE_BUILD:-build/mingw-i686}
jobs=$(nproc)

echo "=== building"
cmake --preset host -B "$host" >/dev/null
cmake --build "$host" -j "$jobs" >/dev/null
cmake --preset mingw-x86_64 -B "$wine" >/dev/null
cmake --build "$wine" -j "$jobs" --target Morvane morvane-driver startup-timer empty-dialog catalogue-timer >/dev/null
cmake --preset mingw-i686 -B "$exe" >/dev/null
cmake --build "$exe" -j "$jobs" --target Morvane >/dev/null

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

echo
echo "=== start-up"
/usr/bin/python3 bench/startup/measure_startup.py --build "$wine" --runs 15

echo
echo "=== host stand-in, Google Benchmark (real time per call)"
"$host/bench/bench_catalogue" --benchmark_format=json >"$results/catalogue.json" 2>/dev/null
"$host/bench/bench_layout_list" --benchmark_format=json >"$results/lists.json" 2>/dev/null
/usr/bin/python3 bench/print_figures.py "$results/catalogue.json" "$results/lists.json"

echo
echo "=== catalogue read, real Win32 under wine64"
/usr/bin/python3 bench/startup/measure_catalogue.py --build "$wine" --runs 5

echo
echo "=== shipped exe"
size=$(stat -c %s "$exe/Morvane/Morvane.exe")
echo "  Morvane.exe (i686): $size bytes, $((size / 1024)) KB (goal: under 400 KB)"
