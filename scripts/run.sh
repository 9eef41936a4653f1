#!/usr/bin/env bash
# Installs what is missing, builds, and starts the client against the simulated monitors.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build" -DZAVO_BUILD_TESTS=OFF
exec "$top/build/bin/ZavoClient" "$@"
