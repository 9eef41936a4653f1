#!/usr/bin/env bash
# mutants.sh: plants deliberate faults one at a time in a scratch copy of the tree, rebuilds
# the suites that should notice, runs them and prints which suites caught each fault.
# A maintainer's tool, slow (minutes per fault), not part of CI.
#
#   scripts/mutants.sh [--ref REV | --tree DIR] [--work DIR] [--list] [--table] [ID...]
#
#   --ref REV    test the committed tree of REV (default: the working tree of this checkout)
#   --work DIR   scratch tree and build, shared by all runs (default /tmp/zavo-mutants); its
#                results-<ref or "worktree">.tsv makes a second run resume
#   --list       print the faults and exit
#   --table      print the table of the results so far and exit
#   --check      check that every fault applies to this checkout and exit
#   --first      run a fault's suites one at a time (in the order listed, fastest first) and
#                stop at the first that catches it; the others show as not run
#   ID...        run only these faults (default: all not yet recorded)
#
# Each fault is one perl substitution on one file; it must change the file, or the run stops.
# A suite that fails, crashes or times out has caught the fault.
set -euo pipefail

# MUTANTS_TOP lets a copy of this script (safe to edit meanwhile) work on the checkout.
top=${MUTANTS_TOP:-$(cd "$(dirname "$0")/.." && pwd)}
ref=""
tree=""
work=""
mode=run
first=0
ids=()
while [ $# -gt 0 ]; do
    case $1 in
    --ref) ref=$2; shift 2 ;;
    --tree) tree=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --list) mode=list; shift ;;
    --table) mode=table; shift ;;
    --check) mode=check; shift ;;
    --first) first=1; shift ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) ids+=("$1"); shift ;;
    esac
done

# ---- The faults: id, file, perl substitution (applied to the whole file), suites, description.
M_ID=(); M_FILE=(); M_SUB=(); M_SUITES=(); M_DESC=()
m() { M_ID+=("$1"); M_FILE+=("$2"); M_SUB+=("$3"); M_SUITES+=("$4"); M_DESC+=("$5"); }

# EDID name and detection
m edid-slot    ddc/DDCUtil.cpp 's/\{54, 72, 90, 108\}/{56, 72, 90, 108}/' \
   "tst_detection" "EDID descriptor slot offset by two"
m edid-lf      ddc/DDCUtil.cpp 's/nByte == \x27\\n\x27 \|\| //' \
   "tst_detection" "EDID name not cut at the line feed"
m edid-nul     ddc/DDCUtil.cpp 's/ \|\| nByte == 0\)/)/' \
   "tst_detection" "EDID name not cut at a NUL"
m edid-ctl     ddc/DDCUtil.cpp 's/nByte >= 0x20 && nByte != 0x7F/true/' \
   "tst_detection" "control bytes kept in the EDID name"
m edid-tag     ddc/DDCUtil.cpp 's/EDID_NAME_TAG = 0xFC/EDID_NAME_TAG = 0xFD/' \
   "tst_detection" "EDID name tag 0xFD instead of 0xFC"
m edid-len     ddc/DDCUtil.cpp 's/EDID_NAME_LENGTH = 13/EDID_NAME_LENGTH = 12/' \
   "tst_detection" "EDID name cut to 12 bytes"
m det-count    ddc/DDCUtil.cpp 's/m <= display.nPhysicalMonitors/m < display.nPhysicalMonitors/' \
   "tst_detection" "monitor candidates stop one short"
m det-mirror   ddc/DDCUtil.cpp 's/ \|\| \(monitor.nStateFlags & DISPLAY_DEVICE_MIRRORING\)//' \
   "tst_detection" "mirroring monitors are counted"
m cur-monitor  ddc/DDCUtil.cpp 's/(info.nMonitorId == nMonitorId\) \{\n\s*)m_currMonitorInfo = info;/$1;/' \
   "tst_vcpservice tst_mainwindow" "switching monitor keeps the old one"

# VCP service: order, locks, pauses, values
m sub-order    ddc/DDCUtil.cpp 's/(    if \(m_pMonitorCtrl\)\n        m_pMonitorCtrl->SetVcp\(nId, strSelectCode, ValueFromText\(strSubCode\)\);\n)(.*?)(    if \(m_pMonitorCtrl\)\n        m_pMonitorCtrl->SetVcp\(nId, strDataCode, nValue\);\n)/$2$3$1/s' \
   "tst_vcpservice tst_standardpage" "sub-code write sends the data before the selector"
m sub-split    ddc/DDCUtil.cpp 's/(ValueFromText\(strValue\);\n)    QThread::msleep\(10\);/$1    locker.unlock();\n    QThread::msleep(10);\n    locker.relock();/' \
   "tst_vcpservice" "sub-code write lets go of the lock between selector and data"
m getsub-split ddc/DDCUtil.cpp 's/(    if \(nDelayMs > 0\)\n)(\s*QThread::msleep\(static_cast<unsigned long>\(nDelayMs\)\);)/    locker.unlock();\n$1$2\n    locker.relock();/' \
   "tst_vcpservice" "sub-code read lets go of the lock between selector and data"
m set-pause    ddc/DDCUtil.cpp 's/    QThread::msleep\(5\);\n//' \
   "tst_vcpservice" "no pause after a plain write"
m sub-pause    ddc/DDCUtil.cpp 's/(SetVcp\(nId, strDataCode, nValue\);\n)    QThread::msleep\(10\);\n/$1/' \
   "tst_vcpservice" "no pause after the data of a sub-code write"
m read-delay   ddc/DDCUtil.cpp 's/if \(nDelayMs > 0\)/if (false \&\& nDelayMs > 0)/' \
   "tst_vcpservice tst_standardpage" "sub-code read ignores its delay"
m read-fail    ddc/DDCUtil.cpp 's/(LOG_WRITE\(LOG_ERROR, QStringLiteral\("Get vcp code value failed!"\)\);\n\s*)return QStringLiteral\("0"\);/$1return strValue;/' \
   "tst_vcpservice" "a failed read returns -1 instead of 0"
m hex-base     ddc/DDCUtil.cpp 's/return strValue.toInt\(nullptr, 16\);/return strValue.toInt(nullptr, 10);/' \
   "tst_vcpservice tst_standardpage" "0x values parsed as decimal"

# Control manager: value tables and enabled states
m cm-scenario  ui/frame/CtrlWidgetMana.cpp 's/\{\{2, 100\}, \{3, 65\}, \{4, 30\}\}/{{2, 100}, {3, 60}, {4, 30}}/' \
   "tst_ctrlintegration" "office preset 3 sets brightness 60"
m cm-lbl       ui/frame/CtrlWidgetMana.cpp 's/\{\{1, 80\}, \{2, 75\}/{{1, 80}, {2, 70}/' \
   "tst_ctrlintegration" "low blue light 2 sets brightness 70"
m cm-gamut-con ui/frame/CtrlWidgetMana.cpp 's/kGamutContrast\[\] = \{\{1, 50\}, \{2, 50\}\}/kGamutContrast[] = {{1, 50}, {2, 40}}/' \
   "tst_ctrlintegration" "gamut 2 sets contrast 40"
m cm-fps-lock  ui/frame/CtrlWidgetMana.cpp 's/\{5, 80, false, 70, true, false\}/{5, 80, true, 70, true, false}/' \
   "tst_ctrlintegration" "FPS preset leaves the brightness open"
m cm-g2-value  ui/frame/CtrlWidgetMana.cpp 's/\{3, 85, true, 50/{3, 80, true, 50/' \
   "tst_ctrlintegration" "G2 preset sets brightness 80"
m cm-user-gain ui/frame/CtrlWidgetMana.cpp 's/currentIndex\(\) == kUserColorTemperature/currentIndex() != kUserColorTemperature/' \
   "tst_ctrlintegration" "user gains enabled for the wrong colour temperature"
m cm-owl-idx   ui/frame/CtrlWidgetMana.cpp 's/if \(index == 4\)/if (index == 5)/' \
   "tst_ctrlintegration" "office preset 4 leaves the owl box open"
m cm-gamut-en  ui/frame/CtrlWidgetMana.cpp 's/SetEnabled\(\{m_pStdContrast\}, false\);/SetEnabled({m_pStdContrast}, true);/' \
   "tst_ctrlintegration" "gamut rule leaves the standard contrast open"
m cm-hdr-range ui/frame/CtrlWidgetMana.cpp 's/if \(index < 1 \|\| index > 3\)/if (index < 1 || index > 2)/' \
   "tst_ctrlintegration" "HDR index 3 applies no rule"
m cm-hdr-low   ui/frame/CtrlWidgetMana.cpp 's/if \(index < 1 \|\| index > 3\)/if (index < 2 || index > 3)/' \
   "tst_ctrlintegration" "HDR standard applies no rule"
m cm-mprt-val  ui/frame/CtrlWidgetMana.cpp 's/SetValue\(BothBrightness\(\), 100\);\n    SetEnabled\(BothBrightness\(\), false\);/SetValue(BothBrightness(), 90);\n    SetEnabled(BothBrightness(), false);/' \
   "tst_ctrlintegration" "MPRT rule sets brightness 90"
m cm-dyncon    ui/frame/CtrlWidgetMana.cpp 's/if \(index != 1\)\n        return;\n    SetEnabled\(\{m_pScenarioMode\}, true\);/if (index != 2)\n        return;\n    SetEnabled({m_pScenarioMode}, true);/' \
   "tst_ctrlintegration" "dynamic contrast on applies no rule"
m cm-freesync  ui/frame/CtrlWidgetMana.cpp 's/if \(index == 1\)\n        SetEnabled\(\{m_pProportionalMode\}, false\);/if (index == 0)\n        SetEnabled({m_pProportionalMode}, false);/' \
   "tst_ctrlintegration" "adaptive sync locks the proportional mode when off"
m cm-rereg     ui/frame/CtrlWidgetMana.cpp 's/        rpMember->disconnect\(pReceiver\);\n/        ;\n/' \
   "tst_ctrlintegration" "a replaced control still drives the rules"
m cm-missing   ui/frame/CtrlWidgetMana.cpp 's/        if \(p\)\n            p->setEnabled\(bEnabled\);/        p->setEnabled(bEnabled);/' \
   "tst_ctrlintegration" "rules touch controls that were never registered"
m cm-range     ui/frame/CtrlWidgetMana.cpp 's/    if \(!pPreset\)\n        return;\n/    if (!pPreset)\n        pPreset = nullptr;\n/' \
   "tst_ctrlintegration" "an unknown game mode dereferences no preset"

# Pages: fills, value tables, pauses, reads
m fill-slider  ui/pages/SettingsPage.cpp 's/        const QSignalBlocker blocker\(pSlider\);\n//' \
   "tst_standardpage tst_settingpages" "slider fill writes to the monitor"
m fill-combo   ui/pages/SettingsPage.cpp 's/    const QSignalBlocker blocker\(pCombo\);\n//' \
   "tst_standardpage tst_settingpages" "box fill writes to the monitor"
m fill-check   ui/pages/SettingsPage.cpp 's/    const QSignalBlocker blocker\(pButton\);\n//' \
   "tst_standardpage tst_settingpages" "button fill writes to the monitor"
m none-writes  ui/pages/SettingsPage.cpp 's/(ValueForIndex\(nIndex\);\n)    if \(strValue.isNull\(\)\)\n        return false;\n(    CDDCUtil::GetInstance\(\)->SetVcp\(strCode)/$1$2/' \
   "tst_settingpages" "an empty box writes a value"
m elsewhere    ui/pages/SettingsPage.cpp 's/        m_bLoaded = false;\n        return;/        return;/' \
   "tst_settingpages" "monitor change elsewhere leaves the page loaded"
m std-ct-row   ui/pages/StandardModeWidget.cpp 's/"0x05", "0x0B"\}/"0x05", "0x0A"}/' \
   "tst_standardpage" "user colour temperature written as 0x0A"
m std-order    ui/pages/StandardModeWidget.cpp 's/(    values.nBrightness = ReadVcp\(VCP_BRIGHTNESS\);\n)(    values.nContrast = ReadVcp\(VCP_CONTRAST\);\n)/$2$1/' \
   "tst_standardpage" "standard page reads contrast before brightness"
m std-reset    ui/pages/StandardModeWidget.cpp 's/    ResetMonitor\(\);\n(    WriteCombo\(COLOR_TEMPERATURE_TABLE)/$1/' \
   "tst_standardpage" "no reset before the colour temperature write"
m std-pause    ui/pages/StandardModeWidget.cpp 's/GAME_STANDARD_PAUSE_MS = 1000/GAME_STANDARD_PAUSE_MS = 0/' \
   "tst_standardpage" "no pause after the standard game preset"
m std-bh-delay ui/pages/StandardModeWidget.cpp 's/BLACK_HOMOGENIZER_READ_DELAY_MS = 100/BLACK_HOMOGENIZER_READ_DELAY_MS = 0/' \
   "tst_standardpage" "black homogenizer read without its delay"
m std-preset-b ui/pages/StandardModeWidget.cpp 's/STANDARD_PRESET_BRIGHTNESS = 80/STANDARD_PRESET_BRIGHTNESS = 75/' \
   "tst_standardpage tst_ctrlintegration" "standard preset shows brightness 75"
m gfx-scenario ui/pages/ProfessionalGraphicsWidget.cpp 's/SCENARIO_MODE_TABLE\(\{\{1, 0\}, \{3, 1\}, \{4, 2\}/SCENARIO_MODE_TABLE({{1, 0}, {4, 1}, {3, 2}/' \
   "tst_settingpages" "graphics scenario read rows swapped"
m game-owl     ui/pages/ProfessionalGameWidget.cpp 's/OWL_TABLE\((.*?)\{"0x00", "0x02", "0x01"\}/OWL_TABLE($1\{"0x00", "0x01", "0x02"}/' \
   "tst_ctrlintegration" "owl values written in index order"
m game-pause   ui/pages/ProfessionalGameWidget.cpp 's/    QThread::msleep\(SLOW_SWITCH_PAUSE_MS\);\n(    CDDCUtil::GetInstance\(\)->Reset\(\);)/$1/' \
   "tst_settingpages" "no pause before the reset of a slow preset"
m sys-osd      ui/pages/SystemSettingWidget.cpp 's/\{\{13, 0\}, \{2, 1\}/{{13, 0}, {3, 1}/' \
   "tst_settingpages" "OSD language row read as the wrong index"
m wait-min     ui/frame/WaitDlg.cpp 's/MIN_SHOW_MS = 1000/MIN_SHOW_MS = 200/' \
   "tst_mainwindow tst_standardpage" "wait dialog closes before its second"

# Application: logger, single instance, settings
m log-format   app/Logger.cpp 's/"\[%1\] \[%2\] %3\(\): %4"/"[%1] [%2] %3: %4"/' \
   "tst_startup" "log line without the () after the function"
m log-level    app/Logger.cpp 's/QStringLiteral\("Warnning"\)/QStringLiteral("Warning ")/' \
   "tst_startup" "warning level word spelt differently"
m log-mutex    app/Logger.cpp 's/(Logger::WriteLog\(.*?)    QMutexLocker locker\(&s_logMutex\);\n/$1/s' \
   "tst_vcpservice" "log lines written without the mutex"
m single-name  app/QSingleApplication.cpp 's/const QString strName = ORGANIZATION \+ APPLICATION;/const QString strName = APPLICATION;/' \
   "tst_singleinstance" "single-instance server under another name"
m app-font     app/StartUp.cpp 's/    QApplication::setFont\(window.font\(\)\);\n//' \
   "tst_startup" "the windows' font not made the application's"
m set-codec    app/ConfigSettings.cpp 's/(void SetConfigValue.*?)    settings.setIniCodec\("UTF-8"\);\n/$1/s' \
   "tst_startup" "settings written without the UTF-8 codec"

# DDC/CI plug-in
m codec-seed   plugins/common/DdcCodec.cpp 's/quint8 nSum = nSeed;/quint8 nSum = 0;/' \
   "tst_ddcci_plugin" "checksum ignores its seed"
m coalesce     plugins/common/DdcMonitorWorker.cpp 's/\n\s*&& last.nSelector == pJob->nSelector && last.nSubCode == pJob->nSubCode//' \
   "tst_ddcci_plugin" "writes of different sub-codes coalesce"
m held-thread  plugins/common/DdcMonitorWorker.cpp 's/std::this_thread::get_id\(\)/std::thread::id()/g' \
   "tst_ddcci_plugin" "a held selector pairs with another thread's data"

n=${#M_ID[@]}

if [ "$mode" = list ]; then
    for ((i = 0; i < n; ++i)); do
        printf '%-13s %-40s %-45s %s\n' "${M_ID[i]}" "${M_FILE[i]}" "${M_SUITES[i]}" "${M_DESC[i]}"
    done
    echo "$n faults"
    exit 0
fi

if [ "$mode" = check ]; then
    bad=0
    for ((i = 0; i < n; ++i)); do
        if ! perl -0777 -pe "${M_SUB[i]}" "$top/${M_FILE[i]}" | cmp -s - "$top/${M_FILE[i]}"; then
            continue
        fi
        echo "${M_ID[i]}: does not apply to ${M_FILE[i]}" >&2
        bad=1
    done
    exit $bad
fi

label=${ref:-worktree}
[ -n "$tree" ] && label=$(basename "$tree")
label=${label//\//_}
# One scratch tree and build serve every run: only the files that differ are copied in, so a
# second run (another branch of the same product) rebuilds little.
work=${work:-/tmp/zavo-mutants}
results=$work/results-$label.tsv

print_table() {
    local caught=0 total=0
    echo "| Fault | File | Description | Caught by | Missed by |"
    echo "|---|---|---|---|---|"
    for ((i = 0; i < n; ++i)); do
        local row
        row=$(awk -F'\t' -v id="${M_ID[i]}" '$1 == id' "$results" 2>/dev/null | tail -1)
        [ -z "$row" ] && continue
        local status by missed
        status=$(cut -f2 <<<"$row")
        by=$(cut -f3 <<<"$row")
        missed=$(cut -f4 <<<"$row")
        total=$((total + 1))
        [ "$status" = caught ] && caught=$((caught + 1))
        [ "$status" = caught ] || by="**${status}**${by:+ $by}"
        echo "| ${M_ID[i]} | ${M_FILE[i]} | ${M_DESC[i]} | ${by:--} | ${missed:--} |"
    done
    echo
    echo "Caught $caught of $total."
}

if [ "$mode" = table ]; then
    print_table
    exit 0
fi

# ---- Scratch copy and its build
src=$work/src
pristine=$work/pristine
build=$work/src/build
mkdir -p "$work"
rm -rf "$work/export"
mkdir -p "$work/export"
if [ -n "$ref" ]; then
    git -C "$top" archive "$ref" | tar -x -C "$work/export"
else
    (cd "${tree:-$top}" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 cp --parents -t "$work/export")
fi
mkdir -p "$pristine" "$src"
# Copies the files of $1 that differ into $2 and removes those $1 lacks (the build stays).
sync_tree() {
    (cd "$1" && find . -type f -print0) | while IFS= read -r -d '' f; do
        cmp -s "$1/$f" "$2/$f" || { mkdir -p "$(dirname "$2/$f")" && cp "$1/$f" "$2/$f"; }
    done
    (cd "$2" && find . -path ./build -prune -o -type f -print0) | while IFS= read -r -d '' f; do
        [ -e "$1/$f" ] || rm -f "$2/$f"
    done
}
sync_tree "$work/export" "$pristine"
sync_tree "$pristine" "$src"
rm -rf "$work/export"

export CCACHE_BASEDIR=$src
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "configuring $build" >&2
fi
# Configured only: each fault builds the suites it runs (and what they need).
if [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAVO_BUILD_TESTS=ON "${launcher[@]}" \
        >"$work/build.log" 2>&1 || { echo "cmake failed, see $work/build.log" >&2; exit 1; }
fi

touch "$results"
selected=()
for ((i = 0; i < n; ++i)); do
    if [ ${#ids[@]} -gt 0 ]; then
        for id in "${ids[@]}"; do [ "$id" = "${M_ID[i]}" ] && selected+=("$i"); done
    elif ! awk -F'\t' -v id="${M_ID[i]}" '$1 == id { found = 1 } END { exit !found }' "$results"; then
        selected+=("$i")
    fi
done
for id in "${ids[@]}"; do
    printf '%s\n' "${M_ID[@]}" | grep -qx -- "$id" || { echo "no fault named $id" >&2; exit 1; }
done

for i in "${selected[@]}"; do
    id=${M_ID[i]}
    file=${M_FILE[i]}
    read -r -a suites <<<"${M_SUITES[i]}"
    echo "== $id: ${M_DESC[i]} ($file)" >&2
    [ -f "$src/$file" ] || { echo "$id: $file is gone" >&2; exit 2; }
    cp "$pristine/$file" "$src/$file"
    perl -0777 -i -pe "${M_SUB[i]}" "$src/$file"
    if cmp -s "$pristine/$file" "$src/$file"; then
        echo "$id: the substitution does not apply to $file; update the fault" >&2
        exit 2
    fi
    log=$work/logs-$label/$id.log
    mkdir -p "$work/logs-$label"
    status=caught
    by=()
    missed=()
    present=()
    for s in "${suites[@]}"; do
        [ -f "$src/tests/$s.cpp" ] && present+=("$s")
    done
    if [ ${#present[@]} -eq 0 ]; then
        status=no-suite
    elif ! nice -n 15 cmake --build "$build" -j2 --target "${present[@]}" >"$log" 2>&1; then
        status=no-build
    elif [ "$first" = 1 ]; then
        for s in "${present[@]}"; do
            if [ ${#by[@]} -gt 0 ]; then
                missed+=("($s not run)")
                continue
            fi
            (cd "$build" && nice -n 15 ctest -R "^$s\$" >>"$log" 2>&1) || true
            if grep -qE "Test +#[0-9]+: $s \.+ +Passed" "$log"; then
                missed+=("$s")
            else
                by+=("$s")
            fi
        done
    else
        regex="^($(IFS='|'; echo "${present[*]}"))\$"
        (cd "$build" && nice -n 15 ctest -R "$regex" -j2 >>"$log" 2>&1) || true
        for s in "${present[@]}"; do
            if grep -qE "Test +#[0-9]+: $s \.+ +Passed" "$log"; then
                missed+=("$s")
            else
                by+=("$s")
            fi
        done
    fi
    [ "$status" = caught ] && [ ${#by[@]} -eq 0 ] && status=missed
    cp "$pristine/$file" "$src/$file"
    printf '%s\t%s\t%s\t%s\n' "$id" "$status" "${by[*]:-}" "${missed[*]:-}" >>"$results"
    echo "   $status${by:+ by ${by[*]}}" >&2
done

print_table
