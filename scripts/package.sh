#!/usr/bin/env bash
# package.sh [build dir...]: makes the installable packages from each build tree (building what
# is out of date first) and checks them; without arguments from build and build-windows. Installs
# the tools it needs when they are missing.
#   Linux tree: <build dir>/zavo-client_<version>_amd64.deb, checked by lintian (errors fail).
#   Windows tree (scripts/build-windows.sh): <build dir>/ZavoClient-<version>-setup.exe and
#   <build dir>/ZavoClient-<version>-portable.zip, both of the folder that `cmake --install` lays
#   out in <build dir>/windows/ZavoClient.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ $# -gt 0 ] || set -- "$top/build" "$top/build-windows"

# need <command> <Debian package>...
need() {
    local missing=() cmd pkg
    while [ $# -gt 0 ]; do
        cmd=$1 pkg=$2
        shift 2
        command -v "$cmd" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

linux_package() {
    local dir=$1
    # dpkg-shlibdeps works out Depends; CPack finds the binaries with file.
    need dpkg-shlibdeps dpkg-dev file file lintian lintian
    cmake -S "$top" -B "$dir" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    rm -f "$dir"/zavo-client_*.deb
    (cd "$dir" && cpack -G DEB)
    local deb
    deb=$(ls "$dir"/zavo-client_*_amd64.deb)
    echo "=== $deb"
    dpkg-deb -f "$deb" Package Version Architecture Depends
    # Lintian warns about itself running as root; the package's own tags follow.
    lintian --fail-on error --display-info "$deb"
    echo "=== lintian: no errors"
}

windows_package() {
    local dir=$1
    need makensis nsis
    cmake -S "$top" -B "$dir" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    local version stage=$dir/windows/ZavoClient list=$dir/windows/uninstall.nsh
    version=$(sed -n 's/^VIProductVersion "\(.*\)"/\1/p' "$dir/windows/ZavoClient.nsi")
    local setup=$dir/ZavoClient-$version-setup.exe zip=$dir/ZavoClient-$version-portable.zip
    rm -rf "$stage" "$dir"/ZavoClient-*-setup.exe "$dir"/ZavoClient-*-portable.zip
    cmake --install "$dir" --prefix "$stage" --strip >/dev/null
    # What the uninstaller deletes: the staged files, then their folders from the deepest up.
    (cd "$stage" && { find . -type f -printf '%P\n' | awk '{gsub("/", "\\"); print "Delete \"$INSTDIR\\" $0 "\""}'
        find . -mindepth 1 -depth -type d -printf '%P\n' | awk '{gsub("/", "\\"); print "RMDir \"$INSTDIR\\" $0 "\""}'
    }) >"$list"
    LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$stage" -DUNINSTALL_LIST="$list" \
        -DOUTFILE="$setup" "$dir/windows/ZavoClient.nsi"
    # CMake's zip marks names as UTF-8, which Windows' own unpacking needs for the manual's
    # Chinese name; Info-ZIP's zip does not.
    (cd "$dir/windows" && LC_ALL=C.UTF-8 cmake -E tar cf "$zip" --format=zip ZavoClient)
    ls -l "$setup" "$zip"
}

for tree in "$@"; do
    tree=$(cd "$tree" && pwd)
    if grep -qs '^ZAVO_QT_MINGW_DIR:' "$tree/CMakeCache.txt"; then
        windows_package "$tree"
    else
        linux_package "$tree"
    fi
done
