#!/usr/bin/env bash
# The one command that builds every preset and runs every test: host unit
# tests (plain and under sanitizers), the checks of the shipped 32-bit exe,
# the Windows-side tests under wine64, and a minute of fuzzing.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1

jobs=$(nproc)
presets=(host host-asan mingw-i686 mingw-x86_64)
for preset in "${presets[@]}"; do
  echo "=== build $preset"
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done

# The presets that have tests of their own; the others are only built.
# mingw-x86_64 runs the contract tests and the end-to-end scenarios under wine64.
tested=(host host-asan mingw-i686 mingw-x86_64)
passed=0
failed=0
for preset in "${tested[@]}"; do
  echo "=== test $preset"
  log=$(mktemp)
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log"
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$summary" ]; then
    echo "no test results from $preset"
    failed=$((failed + 1))
    continue
  fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done

# The registry fuzzers, for about a minute, from the committed seeds.
echo "=== fuzz"
if scripts/fuzz.sh 60; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
