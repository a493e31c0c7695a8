#!/usr/bin/env bash
# Builds Morvane (the mingw-x86_64 preset) and opens it under wine64 on a demo
# Windows machine: a fresh Wine prefix set up as the typical run (NT family,
# Hebrew installed, a catalogue of keyboard layouts whose files exist, an
# English and a Hebrew layout loaded).
# With a DISPLAY it shows the dialog until you close it; without one it runs
# on a private Xvfb, saves a screenshot, prints what the dialog shows and
# closes it. As root it first installs whatever is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=${MORVANE_BUILD_DIR:-build/mingw-x86_64}
cmake --preset mingw-x86_64 -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Morvane morvane-driver >/dev/null

exec /usr/bin/python3 tests/e2e/demo.py \
  --exe "$build/Morvane/Morvane.exe" \
  --driver "$build/tests/e2e/driver/morvane-driver.exe" \
  --work "$build/demo" \
  --shot "$build/demo/morvane.png"
