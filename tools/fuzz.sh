#!/usr/bin/env bash
# Fuzzes every reader of bytes from elsewhere with libFuzzer (clang): the settings record,
# the INI text, a config file's bind entries and the program's command line, each from its seed
# corpus in fuzz/corpus/.
#
#   tools/fuzz.sh [SECONDS]    each target for SECONDS (default 60)
#   tools/fuzz.sh --runs N     each target for N executions
#
# Inputs that reach new code collect in build/fuzz/corpus/<target>/; an input that crashes a
# target or breaks one of its rules lands in build/fuzz/findings/<target>/ (emptied at the start
# of each run) and fails the run.
# Copy a finding into fuzz/corpus/<target>/ once it is mended, so every test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
limit="-max_total_time=${1:-60}"
[ "${1:-}" = "--runs" ] && limit="-runs=${2:?--runs needs a number}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
status=0
for target in settings_record ini_text bind_entries launcher_arguments; do
    work="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    log="build/fuzz/$target.log"
    rm -rf "$findings" # the findings of this run only
    mkdir -p "$work" "$findings"
    set +e
    "build/fuzz/fuzz/${target}_fuzzer" "$limit" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" >"$log" 2>&1
    result=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    found=$(find "$findings" -type f | wc -l)
    echo "$target: ${runs:-?} executions, $found findings (log: $log)"
    if [ "$result" -ne 0 ] || [ "$found" -ne 0 ]; then
        grep -E "broken rule|ERROR|SUMMARY" "$log" | head -5 || true
        status=1
    fi
done
exit "$status"
