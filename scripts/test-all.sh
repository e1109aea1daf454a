#!/usr/bin/env bash
# Installs what is missing, builds, runs every test with ctest, then runs each
# fuzz target briefly over its seed corpus when clang is there.
# KALVO_FUZZ_SECONDS sets the time per fuzz target (0 skips fuzzing).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$top/scripts/deps.sh"
kalvo_install_deps
kalvo_build "$top"
ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)"

fuzz_seconds="${KALVO_FUZZ_SECONDS:-60}"
if [ "$fuzz_seconds" -gt 0 ] && command -v clang++ >/dev/null; then
    fuzz_build="$top/build/fuzz"
    if [ ! -f "$fuzz_build/build.ninja" ]; then
        CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz_build" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVO_FUZZ=ON
    fi
    cmake --build "$fuzz_build"
    # A smaller quarantine keeps the long runs' memory well below the limit.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64}"
    for fuzzer in "$fuzz_build"/tests/fuzz/fuzz_*; do
        [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
        name="$(basename "$fuzzer")"
        corpus="$(mktemp -d)"
        cp -r "$top/tests/fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
        echo "Fuzzing $name for ${fuzz_seconds}s"
        "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" \
            > "$fuzz_build/$name.log" 2>&1 || { tail -n 60 "$fuzz_build/$name.log"; exit 1; }
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$fuzz_build/$name.log" || true
        rm -rf "$corpus"
    done
fi
