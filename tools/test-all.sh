#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: natively with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows build under Wine, then a
# short fuzzing of every reader of files from elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for preset in native windows; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
tools/fuzz.sh 15
