#!/usr/bin/env bash
# Sets everything up and starts Partivo. Extra arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target partivo

APP=build/release/src/app/widgets/partivo
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$APP" "$@"
fi

# No display: run under a virtual X server, leave a screenshot of the binder window and quit.
echo "No display found: starting Partivo under Xvfb; it writes partivo-screenshot.png and quits"
exec xvfb-run -a -s "-screen 0 1600x1000x24" "$APP" --screenshot partivo-screenshot.png "$@"
