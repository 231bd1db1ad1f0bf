#!/usr/bin/env bash
# Fails with one line naming the tracked C++ files that clang-format would change.
# scripts/format.sh puts them in format.
set -uo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    echo "format: clang-format is not installed (scripts/deps.sh installs it)"
    exit 1
fi

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find src tests bench -name '*.cpp' -o -name '*.h' -print0)
fi

report=$(printf '%s\0' "${files[@]}" | xargs -0 -P2 -n 40 clang-format --dry-run -Werror 2>&1)
rc=$?
bad=$(sed -nE 's/^([^:]+\.(cpp|h)):[0-9]+:[0-9]+: error: code should be clang-formatted.*/\1/p' \
    <<<"$report" | sort -u | tr '\n' ' ')

if [ -n "$bad" ]; then
    echo "format: out of format (run scripts/format.sh): ${bad% }"
    exit 1
fi
if [ $rc -ne 0 ]; then
    # clang-format itself failed (a broken .clang-format, an unreadable file): never pass.
    echo "format: clang-format failed: $(head -1 <<<"$report")"
    exit 1
fi
exit 0
