#!/usr/bin/env bash
# test-package.sh [build dir]: makes the Debian package (package.sh), installs it with apt-get,
# starts the installed client offscreen as an ordinary user, checks that its log went to that
# user's own folder (the program folder is not writable for the user), then purges the package.
# Needs root. Prints "N passed, N failed" and exits non-zero when anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(cd "${1:-$top/build}" && pwd) || exit 1
prefix=/opt/zavo-client
passed=0
failed=0

# check <description> <command...>
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

check "package made and lintian shows no errors" "$top/scripts/package.sh" "$dir"
deb=$(ls "$dir"/zavo-client_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || finish

check "apt-get installs the package" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
check "client, real plug-in and manual under $prefix" \
    test -x "$prefix/ZavoClient" -a -f "$prefix/plugins/Monitor.dll" -a -f "$prefix/doc/用户手册.pdf"
entry=/usr/share/applications/zavo-client.desktop
check "menu entry runs the installed client" grep -qx "Exec=$prefix/ZavoClient" "$entry"
icon=$(sed -n 's/^Icon=//p' "$entry" 2>/dev/null)
check "menu entry's icon is installed under /usr/share/icons" \
    bash -c '[[ $1 == /usr/share/icons/* && -f $1 ]]' _ "$icon"
check "udev rule and i2c-dev module list installed" \
    test -f /usr/lib/udev/rules.d/60-zavo-ddcci.rules -a -f /usr/lib/modules-load.d/zavo-i2c-dev.conf

# An ordinary user with a home of its own; nobody cannot write to the program folder.
home=$(mktemp -d)
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
chown -R nobody: "$home"
runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/ZavoClient" >"$home/output.txt" 2>&1
check "client runs until stopped" test $? -eq 124
log=$(ls "$home"/.local/share/ZVO/ZavoClient/logs/Log_*.txt 2>/dev/null | head -n 1)
check "log in the user's data folder" test -n "$log"
check "log opens with the banner" \
    grep -q '^\*\+ Zavo Monitor Client Running Log \*\+$' "${log:-/dev/null}"
check "log records that no monitor was found" grep -q "monitor didn't detected" "${log:-/dev/null}"
check "nothing written into $prefix" test ! -e "$prefix/logs" -a ! -e "$prefix/SystemConfig.ini"
if [ "$failed" -gt 0 ]; then
    echo "--- client output"
    cat "$home/output.txt"
    [ -n "$log" ] && { echo "--- $log"; cat "$log"; }
fi
rm -rf "$home"

check "apt-get purge removes the package" env DEBIAN_FRONTEND=noninteractive apt-get purge -y zavo-client
check "$prefix is gone" test ! -e "$prefix"
check "menu entry and udev rule are gone" test ! -e "$entry" -a ! -e /usr/lib/udev/rules.d/60-zavo-ddcci.rules
finish
