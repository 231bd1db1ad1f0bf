#!/usr/bin/env bash
# Sets everything up and runs the whole suite once, built with the address and undefined
# sanitizers and warnings as errors (a plain debug build adds nothing a sanitized one does
# not check, and building twice doubled the time), then the libFuzzer targets over their seeds.
set -uo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen
status=0
rm -f build/asan/ctest.log build/fuzz/ctest.log

run_suite() {
    local preset=$1
    echo "=== $preset build ==="
    cmake --preset "$preset" >/dev/null || return 1
    cmake --build --preset "$preset" || return 1
    echo "=== $preset tests ==="
    ctest --preset "$preset" 2>&1 | tee "build/$preset/ctest.log"
    local rc=${PIPESTATUS[0]}
    return "$rc"
}

run_suite asan || status=1
# The fuzz targets built with libFuzzer (clang), each run once over its seed corpus.
run_suite fuzz || status=1

echo "=== summary ==="
for preset in asan fuzz; do
    if [ -f "build/$preset/ctest.log" ]; then
        echo "$preset: $(grep -E 'tests passed|tests failed' "build/$preset/ctest.log" | tail -1)"
    else
        echo "$preset: not run (build failed)"
    fi
done
exit $status
