#!/usr/bin/env bash
# Installs what building, running and testing the client need on Debian 12, and only what is
# missing. Works as root or as a user with sudo, without a terminal. Further package names given
# as arguments are installed the same way.
set -euo pipefail

packages=(
    cmake g++ make
    qtbase5-dev            # Core, Gui, Widgets, Network, Concurrent, Test; moc, uic, rcc
    qttools5-dev           # CMake's LinguistTools
    qttools5-dev-tools     # lrelease, lupdate
    qttranslations5-l10n   # qtbase_zh_CN.qm, compiled into the client
    fonts-noto-cjk         # Chinese texts render in the window
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
