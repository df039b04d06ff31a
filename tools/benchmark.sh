#!/usr/bin/env bash
# Measures the launcher (not a test, not run by tools/test-all.sh): the logic natively,
# optimised and without sanitizers (build/benchmark), then the real zatstart.exe of the windows
# preset under Wine on a virtual display, at 96 and at 144 DPI: its times side by side with
# bare_pages.exe (the same templates with nothing of the program's own), and its resident
# memory over 1,000 page switches. docs/performance.md holds the figures of one run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
tools/install-deps.sh

echo "== The logic, natively"
cmake --preset benchmark >/dev/null
cmake --build --preset benchmark --target zat_benchmark
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build/benchmark/bench/zat_benchmark "$scratch"

echo "== zatstart.exe under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows --target zatstart standin_game zat_timing_probe
export WINEPREFIX="$root/build/windows/wineprefix"
for dpi in 96 144; do
    echo "== At $dpi DPI"
    ZAT_DPI=$dpi tools/wine-prefix.sh
    # The virtual screen grows with the DPI as a real one's resolution would.
    ZAT_XVFB_SCREEN=$((1024 * dpi / 96))x$((768 * dpi / 96))x24 ZAT_E2E_TIMEOUT=900 \
        tests/e2e/run-under-xvfb.sh "$root/build/windows/tools/zat_timing_probe.exe"
done
# The prefix goes back to 96 DPI for the tests.
tools/wine-prefix.sh
