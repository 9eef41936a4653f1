#!/usr/bin/env bash
# test-package-windows.sh [build dir, default build-windows]: makes the installer and the zip
# (package.sh) from a Windows build tree, installs silently under Wine in a prefix of its own,
# starts the installed client, uninstalls silently and checks what is left. Prints
# "N passed, N failed" and exits non-zero when anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(cd "${1:-$top/build-windows}" && pwd) || exit 1
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
    echo "windows package: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

started=$(date +%s)
check "installer and portable zip made" "$top/scripts/package.sh" "$dir"
setup=$(ls "$dir"/ZavoClient-*-setup.exe 2>/dev/null | head -n 1)
[ -n "$setup" ] || finish
stage=$dir/windows/ZavoClient
version=$(sed -n 's/^!define VERSION "\(.*\)"/\1/p' "$dir/windows/ZavoClient.nsi")
check "version $version in the installer's file properties" \
    bash -c 'strings -el "$1" | grep -qx "$2"' _ "$setup" "$version"
# Python reads a name as UTF-8 only when the zip marks it so, as Windows does.
check "zip holds the staged folder" bash -c 'diff <(cd "$1/.." && find ZavoClient -type f | sort) \
    <(python3 -c "import sys, zipfile; [print(n) for n in zipfile.ZipFile(sys.argv[1]).namelist() if n[-1] != \"/\"]" "$2" | sort)' \
    _ "$stage" "$(ls "$dir"/ZavoClient-*-portable.zip)"

# Wine names Unix files in the host's character set: the manual's Chinese name needs UTF-8.
export LC_ALL=C.UTF-8
. "$top/scripts/wine-env.sh"
# A fresh prefix each time: nothing of an earlier run can pass for installed files.
rm -rf "$dir/wine-package"
wine_start "$dir" "$dir/wine-package" || finish
inst="$WINEPREFIX/drive_c/Program Files/ZavoClient"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZavoClient'

check "silent install ends with 0" wine "$setup" /S
check "program folder holds the staged files and the uninstaller" bash -c 'diff \
    <(cd "$1" && find . -type f | sort) <(cd "$2" && { find . -type f; echo ./Uninstall.exe; } | sort)' _ \
    "$inst" "$stage"
# Windows resolves a DLL from the program's folder or the system; anything else is missing.
imports_found() {
    local file name
    for file in "$inst"/*.exe "$inst"/*/*.dll; do
        for name in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
            [ -n "$(find "$inst" "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$name")" ] ||
                { echo "$file needs $name"; return 1; }
        done
    done
}
check "every DLL the installed files import is installed or part of Windows" imports_found
check "plugins/Monitor.dll is the dxva2 plug-in" \
    bash -c 'x86_64-w64-mingw32-objdump -p "$1" | grep -qi "DLL Name: dxva2.dll"' _ "$inst/plugins/Monitor.dll"
check "Start-menu entry \"ZAVO Client\" runs the client" \
    bash -c 'strings -a "$1" | grep -qF "C:\\Program Files\\ZavoClient\\ZavoClient.exe"' _ "$menu/ZAVO Client.lnk"
check "uninstall entry with name and version" bash -c 'r=$(wine reg query "$1"); grep -q "DisplayName.*ZAVO Client" <<<"$r" &&
    grep -q "DisplayVersion.*$2" <<<"$r" && grep -q "UninstallString.*Uninstall.exe" <<<"$r"' _ "$key" "$version"

# The client runs against the simulated monitors: the real plug-in is set aside for the run and
# put back after it, and Qt's offscreen platform (not part of the package) comes from a folder
# outside the installation. It is stopped once it has found them.
mv "$inst/plugins/Monitor.dll" "$dir/windows/Monitor.dxva2.dll"
cp "$dir/bin/plugins/Monitor.dll" "$inst/plugins/Monitor.dll"
mkdir -p "$dir/windows/test-plugins/platforms"
cp "$dir/qt5-mingw64/plugins/platforms/qoffscreen.dll" "$dir/windows/test-plugins/platforms/"
WINEQT_QPA_PLATFORM=offscreen WINEQT_PLUGIN_PATH="Z:${dir//\//\\}\\windows\\test-plugins" \
    WINEQT_FORCE_STDERR_LOGGING=1 timeout 120 wine "C:\\Program Files\\ZavoClient\\ZavoClient.exe" >"$dir/windows/client.txt" 2>&1 &
client=$!
# Wine gives its user an unrestricted C:\Program Files: the client can write beside itself, so
# SystemConfig.ini and logs\ stay in the program folder, as in a portable copy. On Windows a
# user cannot write there and both go to the user's AppData instead.
for _ in $(seq 60); do
    grep -qs "Monitor Name: ZVO X27Q" "$inst"/logs/Log_*.txt && break
    sleep 1
done
wine taskkill /f /im ZavoClient.exe >/dev/null 2>&1
wait "$client"
# The simulated monitors' transcript goes too: it is no file of the package.
mv -f "$dir/windows/Monitor.dxva2.dll" "$inst/plugins/Monitor.dll"
rm -f "$inst/plugins/sim-transcript.log"
log=$(ls "$inst"/logs/Log_*.txt 2>/dev/null | head -n 1)
check "log beside the installed client" test -n "$log"
check "log opens with the banner" grep -q '^\*\+ Zavo Monitor Client Running Log \*\+' "${log:-/dev/null}"
check "log names the simulated monitor" grep -q "Monitor Name: ZVO X27Q" "${log:-/dev/null}"
check "no log in the user's AppData" \
    bash -c '! ls -d "$1"/drive_c/users/*/AppData/Roaming/ZVO/ZavoClient/logs 2>/dev/null' _ "$WINEPREFIX"
if [ "$failed" -gt 0 ]; then
    echo "--- client output"
    cat "$dir/windows/client.txt"
    [ -n "$log" ] && { echo "--- $log"; cat "$log"; }
fi

# What the client writes there when the user first changes a setting goes with the folder too.
printf '[General]\n' >"$inst/SystemConfig.ini"
# The uninstaller runs a copy of itself from the temporary folder and returns at once.
check "silent uninstall ends with 0" wine "$inst/Uninstall.exe" /S
wineserver -w
check "program folder is gone, with the client's log and settings" test ! -e "$inst"
check "Start-menu entry is gone" test ! -e "$menu/ZAVO Client.lnk"
check "uninstall entry is gone" bash -c '! wine reg query "$1" >/dev/null 2>&1' _ "$key"
echo "Windows package test took $(($(date +%s) - started)) s"
finish
