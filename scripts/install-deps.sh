#!/usr/bin/env bash
# Installs what building, running and testing the client need on Debian 12, and only what is
# missing. Works as root or as a user with sudo.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libqt5svg5-dev
    fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
