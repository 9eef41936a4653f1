#!/usr/bin/env bash
# build-windows.sh <build dir> [cmake options...]: cross-builds the client, the simulated
# monitor, the tests and the tools for 64-bit Windows with mingw-w64 (POSIX threads), against
# Qt 5.15 for Windows: the prebuilt one in ../shared/toolchains when it is there, otherwise one
# that scripts/build-qt-windows.sh builds into the build folder (about an hour, once).
# Host-only steps run on the host: lrelease, qtbase_zh_CN.qm and the manual's PDF, which a host
# build of the manual tool (in <build dir>/host) makes. Installs what is missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "$1")
shift
"$top/scripts/install-deps.sh" mingw-w64 g++-mingw-w64-x86-64-posix wine wine64

mkdir -p "$dir"
qt=$dir/qt5-mingw64
tarball=$top/../shared/toolchains/qt5.15.8-mingw64.tar.xz
if [ ! -e "$qt/.complete" ]; then
    rm -rf "$qt"
    if [ -f "$tarball" ]; then
        echo "Unpacking $(basename "$tarball")"
        tar -xJf "$tarball" -C "$dir"
    else
        echo "No prebuilt Qt for Windows in ../shared/toolchains: building one (about an hour)"
        "$top/scripts/build-qt-windows.sh" "$dir/qt-source" "$qt"
    fi
    touch "$qt/.complete"
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
    # Without CCACHE_BASEDIR, as in build.sh: the suites need absolute paths in __FILE__.
    unset CCACHE_BASEDIR
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The manual tool for the host, built alone: it makes the PDF that the Windows build ships.
cmake -S "$top" -B "$dir/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAVO_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir/host" -j"$(nproc)" --target ZavoManual

cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DZAVO_QT_MINGW_DIR="$qt" \
    -DZAVO_HOST_MANUAL_TOOL="$dir/host/scripts/manual/ZavoManual" -DZAVO_BUILD_TESTS=ON \
    "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
