#!/usr/bin/env bash
# Fuzzes the registry-driven parts of the program on the host stand-in, for a
# bounded time: fuzz_lists (preload list and layout list) grows a corpus from
# the committed seeds in fuzz/seeds for two thirds of the time, then
# fuzz_catalogue (layout catalogue and usable layouts, one child process per
# input) reads as much of that corpus as the last third allows.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
# Exits non-zero when either finds a fault; its input is then saved under
# build/fuzz/artifacts, and a run of the target on that file shows the report.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_SANITIZE=ON \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null || exit 1
cmake --build "$build" -j "$(nproc)" --target fuzz_lists fuzz_catalogue >/dev/null || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists" "$work/sample" "$work/catalogue" "$build/artifacts"
options=(-rss_limit_mb=0 -timeout=10 -artifact_prefix="$build/artifacts/" -print_final_stats=1)

echo "--- fuzz_lists, $((seconds * 2 / 3)) s"
"$build/fuzz/fuzz_lists" "$work/lists" fuzz/seeds -max_total_time=$((seconds * 2 / 3)) "${options[@]}" \
  2>"$work/lists.log"
status=$?
grep -E '^stat::|^==' "$work/lists.log"
if [ $status -ne 0 ]; then
  tail -n 60 "$work/lists.log"
  exit $status
fi

# A child process per input makes this target slow (about 20 inputs a
# second here), so it reads a sample of the corpus that fits its time.
catalogue_seconds=$((seconds / 3))
find "$work/lists" fuzz/seeds -type f | shuf -n $((catalogue_seconds * 15)) | xargs -r cp -t "$work/sample"
echo "--- fuzz_catalogue, $(ls "$work/sample" | wc -l) inputs, at most ${catalogue_seconds} s"
"$build/fuzz/fuzz_catalogue" "$work/catalogue" "$work/sample" -max_total_time=$catalogue_seconds "${options[@]}" \
  2>"$work/catalogue.log"
status=$?
grep -E '^stat::|^==' "$work/catalogue.log"
[ $status -eq 0 ] || tail -n 60 "$work/catalogue.log"
exit $status
