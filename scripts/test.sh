#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: once as built normally and
# once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" "$top/build"
(cd "$top/build" && ctest --output-on-failure -j"$(nproc)")

"$top/scripts/build.sh" "$top/build-asan" -DZAVO_SANITIZE=ON
(cd "$top/build-asan" && ctest --output-on-failure -j"$(nproc)")
