#!/usr/bin/env bash
# Brings both .ts files up to date with the sources (lupdate, no line numbers, so that a change
# of code touches only the messages it changes). Translations are then filled in the .ts files.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
for lang in zh_CN en_US; do
    lupdate -silent -locations none -I "$top" app ddc ui -ts "resources/Lang/Translation/Language_${lang}.ts"
done
