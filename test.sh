#!/usr/bin/env bash
# Sets everything up and runs the whole suite: the format check, then one build with the
# address and undefined sanitizers and warnings as errors, whose tests include every fuzz
# target run over its seed corpus. ccache (when installed) makes a rebuild in any clone on
# this machine quick; the libFuzzer build for long fuzzing runs is the "fuzz" preset (README).
set -uo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen
status=0
log=build/asan/ctest.log
rm -f "$log"

# Compiler cache hits and misses so far (two numbers), to report what this run took from it.
ccache_counts() {
    command -v ccache >/dev/null || return 0
    ccache --print-stats 2>/dev/null | awk -F'\t' '
        $1 ~ /^(direct|preprocessed)_cache_hit$/ { h += $2 } $1 == "cache_miss" { m += $2 }
        END { print h + 0, m + 0 }'
}
read -r hits0 misses0 <<<"$(ccache_counts)"

echo "=== format ==="
if bash scripts/check_format.sh; then
    echo "format: ok"
else
    status=1
fi

echo "=== asan build ==="
if cmake --preset asan >/dev/null && cmake --build --preset asan; then
    echo "=== asan tests ==="
    ctest --preset asan 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
else
    status=1
fi

echo "=== summary ==="
if [ -f "$log" ]; then
    echo "asan: $(grep -E 'tests passed|tests failed' "$log" | tail -1)"
else
    echo "asan: not run (build failed)"
fi
read -r hits1 misses1 <<<"$(ccache_counts)"
if [ -n "${hits1:-}" ]; then
    echo "ccache: $((hits1 - hits0)) compiled objects taken from the cache, $((misses1 - misses0)) compiled"
fi
exit $status
