#!/usr/bin/env bash
# build-qt-windows.sh <work dir> <prefix>: builds Qt 5.15 qtbase (shared, release) for 64-bit
# Windows with mingw-w64 (POSIX threads) from Debian 12's own qtbase source package and installs
# it into <prefix>: bin/*.dll, plugins/, lib/cmake, and moc/uic/rcc/qmake for this Linux host.
# About an hour on two cores. Logs: <work dir>/{configure,make,install}.log.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(realpath -m "$1")
prefix=$(realpath -m "$2")
"$top/scripts/install-deps.sh" mingw-w64 g++-mingw-w64-x86-64-posix dpkg-dev xz-utils

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
mkdir -p "$work"
cd "$work"
if ! ls qtbase-opensource-src_*.orig.tar.xz >/dev/null 2>&1; then
    # Source packages need deb-src entries, which a new machine may lack.
    if ! apt-get source --download-only qtbase-opensource-src; then
        "${sudo[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
        "${sudo[@]}" apt-get update -qq
        apt-get source --download-only qtbase-opensource-src
    fi
fi
src=$work/qtbase-everywhere-src-5.15.8
if [ ! -d "$src" ]; then
    tar -xJf qtbase-opensource-src_*.orig.tar.xz
    # The source package lacks the tablet SDK header (wintab.h): the Windows platform plug-in is
    # built without tablet input; QtGui keeps QTabletEvent.
    (cd "$src/src/plugins/platforms/windows" &&
        sed -i 's/QT_CONFIG(tabletevent)/0/' qwindowscontext.cpp qwindowspointerhandler.cpp &&
        sed -i 's/^qtConfig(tabletevent) {/false {/' windows.pri)
fi

# Qt's CROSS_COMPILE prefix names x86_64-w64-mingw32-g++, which Debian points at the win32-thread
# compiler by default; a private PATH entry selects the POSIX-thread one without touching the
# system's alternatives.
mkdir -p "$work/posix-bin"
for tool in gcc g++; do
    ln -sf "/usr/bin/x86_64-w64-mingw32-$tool-posix" "$work/posix-bin/x86_64-w64-mingw32-$tool"
done
export PATH=$work/posix-bin:$PATH

rm -rf "$work/build"
mkdir -p "$work/build"
cd "$work/build"
"$src/configure" -prefix "$prefix" \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -opensource -confirm-license -release -shared -strip \
    -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-ssl -no-fontconfig -no-feature-vulkan \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype \
    -no-sql-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql \
    >"$work/configure.log" 2>&1
make -j"$(nproc)" >"$work/make.log" 2>&1
make install >"$work/install.log" 2>&1
