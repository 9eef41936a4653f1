#!/usr/bin/env bash
# build.sh <build dir> [cmake options...]: configures the project there and builds it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
    # No CCACHE_BASEDIR: it would make the source paths relative, and the suites find their
    # data through the absolute ones that __FILE__ keeps (QFINDTESTDATA).
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
