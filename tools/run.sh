#!/usr/bin/env bash
# Builds the Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset windows
cmake --build --preset windows
