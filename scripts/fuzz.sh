#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset, clang) and runs each for
# SECONDS seconds (default 60), starting from the seed corpus in fuzz/corpus.
# Inputs that widen coverage are kept in build/fuzz/corpus; a failing input
# stops the run and is kept as build/fuzz/artifacts/<target>/crash-*.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

packages=(clang libclang-rt-14-dev cmake ninja-build qt6-base-dev)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

cmake --preset fuzz
cmake --build --preset fuzz

# Qt itself is not instrumented; its allocations outlive a run on purpose.
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

for target in pagecolorfile scrollbarcolorfile settingsfile csscolor palette; do
    corpus="build/fuzz/corpus/$target"
    artifacts="build/fuzz/artifacts/$target"
    log="build/fuzz/$target.log"
    mkdir -p "$corpus" "$artifacts"
    # A token file of both schemes runs to some 5 KB.
    max_len=4096
    if [ "$target" = palette ]; then
        max_len=16384
    fi
    echo "== $target: ${seconds}s"
    status=0
    "build/fuzz/fuzz/${target}_fuzzer" "$corpus" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "$target: the fuzzer found a failing input, kept in $artifacts" >&2
        exit 1
    fi
done
