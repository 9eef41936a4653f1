#!/usr/bin/env bash
# package.sh <build dir>: makes the installable packages from that build tree (building what is
# out of date first) and checks them. Installs the tools it needs when they are missing.
#   Linux: <build dir>/zavo-client_<version>_amd64.deb, checked by lintian (errors fail).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(cd "${1:?usage: package.sh <build dir>}" && pwd)

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

case "$(uname -s)" in
Linux) linux_package ;;
esac
# Windows: the installer and the portable zip, from a Windows build tree, go here.
