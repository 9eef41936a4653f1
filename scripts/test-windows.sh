#!/usr/bin/env bash
# test-windows.sh [build dir, default build-windows]: cross-builds for Windows
# (scripts/build-windows.sh) and runs every test suite under Wine, two at a time, in a Wine prefix
# of its own inside the build folder, on a private Xvfb server with two monitors. Exits non-zero
# when anything failed; each failed suite's output is printed, all of them are in
# <build dir>/wine-results/.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$top/build-windows}")
if ! "$top/scripts/build-windows.sh" "$dir"; then
    echo "=== Windows build failed"
    exit 1
fi

# Suites that are built but cannot run on Windows, with the reason.
declare -A excluded=(
    [tst_linuxplatform]="the Linux display layer (DRM sysfs); tst_detection runs the Win32 one"
)
# Not even built for Windows (tests/CMakeLists.txt): tst_ddcci_* (the Linux-only i2c-dev
# plug-in), tst_manual (checks what the host builds: the PDF, cmake --install) and
# tst_singleinstance (the Unix socket's folder and permissions; tst_startup checks the
# named pipe).

# Copies of the client in temporary folders find Qt and the mingw runtime as an installed Qt
# would be found: through PATH and QT_PLUGIN_PATH.
export WINEPATH="Z:${dir//\//\\}\\bin"
export WINEQT_PLUGIN_PATH="Z:${dir//\//\\}\\qt5-mingw64\\plugins"
. "$top/scripts/wine-env.sh"
wine_start "$dir" "$dir/wine" || exit 1

results=$dir/wine-results
rm -rf "$results"
mkdir -p "$results"
# Suites that start the real client run alone: a Windows named pipe is one per machine, so
# two clients of parallel suites would find each other.
declare -A alone=([tst_startup]=1)
suites=()
serial=()
for exe in "$dir"/tests/tst_*/tst_*.exe; do
    name=$(basename "$exe" .exe)
    # A suite whose source is gone left its old executable in a reused build folder.
    [ -f "$top/tests/$name.cpp" ] || continue
    if [ -n "${excluded[$name]:-}" ]; then
        echo "skipped: $name (${excluded[$name]})"
    elif [ -n "${alone[$name]:-}" ]; then
        serial+=("$name")
    else
        suites+=("$name")
    fi
done

run_suite() {
    local name=$1 start rc
    start=$(date +%s)
    # Under Wine QtTest's report reaches a terminal but not a pipe or file: it goes to a file by name.
    (cd "$dir/tests/$name" && WINEQT_QPA_PLATFORM=offscreen timeout 900 \
        wine "./$name.exe" -o "Z:${results//\//\\}\\$name.log,txt" >"$results/$name.out" 2>&1)
    rc=$?
    cat "$results/$name.out" >>"$results/$name.log"
    echo "$rc" >"$results/$name.rc"
    printf '%-24s %s  %4ss\n' "$name" "$([ "$rc" -eq 0 ] && echo Passed || echo "***Failed ($rc)")" \
        "$(($(date +%s) - start))"
}
export -f run_suite
export dir results
started=$(date +%s)
printf '%s\n' "${suites[@]}" | xargs -P 2 -I{} bash -c 'run_suite {}'
for name in "${serial[@]}"; do
    run_suite "$name"
done
suites+=("${serial[@]}")

passed=0
failed=0
for name in "${suites[@]}"; do
    if [ "$(cat "$results/$name.rc" 2>/dev/null)" = 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "=== $name"
        cat "$results/$name.log"
    fi
done
echo
echo "Wine suites took $(($(date +%s) - started)) s; ${#excluded[@]} left out by name (above)."
# The closing line in the form CI reads.
echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
