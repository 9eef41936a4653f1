# Sourced by the scripts that run the Windows build under Wine.
# wine_start <build dir> <Wine prefix>: installs what is missing, creates the prefix on first use,
# links the host's fonts for Qt's offscreen platform and starts a private Xvfb server with two
# monitors; Wine and the server stop when the calling script exits. Returns non-zero on failure.
wine_start() {
    local dir=$1
    "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" xvfb fonts-dejavu-core || return 1
    export WINEPREFIX=$2 WINEARCH=win64 WINEDEBUG=-all
    # What the Xvfb server below gives Wine; tst_detection checks that it sees them all.
    export ZAVO_WINE_MONITORS=2
    # No prompts for Wine's .NET and HTML engines, which nothing here uses.
    export WINEDLLOVERRIDES="mscoree,mshtml="

    # Qt's offscreen platform on Windows reads fonts from one folder only: the host's Chinese and
    # Latin faces, as the Linux suites have them. Wine passes QT_* variables on only when they
    # are named WINEQT_*.
    mkdir -p "$dir/fonts"
    local font
    for font in /usr/share/fonts/opentype/noto/NotoSansCJK-{Regular,Bold}.ttc /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf; do
        [ -e "$font" ] && ln -sf "$font" "$dir/fonts/"
    done
    export WINEQT_QPA_FONTDIR="Z:${dir//\//\\}\\fonts"

    # Two screens joined by Xinerama, without RandR: Wine then reports two monitors.
    local display
    exec 3< <(Xvfb -displayfd 1 -nolisten tcp -extension RANDR +xinerama \
        -screen 0 1280x1024x24 -screen 1 1024x768x24 2>"$dir/xvfb.log")
    wine_xvfb_pid=$!
    trap 'wineserver -k 2>/dev/null; kill "$wine_xvfb_pid" 2>/dev/null' EXIT
    read -r -t 30 display <&3 || { echo "=== Xvfb did not start"; return 1; }
    export DISPLAY=:$display

    if [ ! -e "$WINEPREFIX/.initialised" ]; then
        echo "=== Creating the Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.initialised" || return 1
    fi
}
