#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: on Linux twice, as built
# normally and with AddressSanitizer and UndefinedBehaviorSanitizer; then the Debian package's
# install test on the plain build; then the Windows cross build's suites under Wine and its
# installer's install test. Every part runs; exits non-zero when anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" || exit 1

status=0
passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# suite <build dir> <cmake options...>
suite() {
    local dir=$1
    shift
    echo "=== $dir"
    if ! "$top/scripts/build.sh" "$top/$dir" -DZAVO_BUILD_TESTS=ON "$@"; then
        echo "=== $dir: build failed"
        status=1
        return
    fi
    (cd "$top/$dir" && ctest --output-on-failure --no-tests=error -j"$(nproc)") 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    local line
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        status=1
        return
    fi
    local nfailed ntotal
    nfailed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    ntotal=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + ntotal - nfailed))
    failed=$((failed + nfailed))
}

suite build -DZAVO_SANITIZE=OFF
suite build-asan -DZAVO_SANITIZE=ON

echo
# Both Linux builds together, one count per test run.
echo "linux: $passed passed, $failed failed"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" bash "$top/scripts/test-package.sh" "$top/build" || status=1
bash "$top/scripts/test-windows.sh" "$top/build-windows" || status=1
bash "$top/scripts/test-package-windows.sh" "$top/build-windows" || status=1
exit $status
