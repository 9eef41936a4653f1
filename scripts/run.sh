#!/usr/bin/env bash
# Installs what is missing, builds the client and starts it against the simulated monitors
# (the plug-in built beside it). Arguments are passed on to the client.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$(nproc)" --target ZavoClient

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the client runs on Qt's offscreen platform (stop it with Ctrl+C)." >&2
    export QT_QPA_PLATFORM=offscreen
fi
exec "$top/build/bin/ZavoClient" "$@"
