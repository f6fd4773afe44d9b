#!/usr/bin/env bash
# Renders every page of the main window headless into docs/: screenshot.png
# for the first page, screenshot-NAME.png for the others, and readability.png,
# export.png, nearest.png and scheme.png for the tool windows.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target tintmill_screenshot

# A desktop-sized screen: the offscreen platform's own is smaller than the window.
export QT_QPA_PLATFORM="offscreen:configfile=$PWD/tools/screen.json"
pages=(screenshot screenshot-saveload screenshot-html screenshot-css screenshot-scrollbar)
for page in "${!pages[@]}"; do
    build/default/tools/tintmill_screenshot "docs/${pages[$page]}.png" "$page"
done
build/default/tools/tintmill_screenshot docs/readability.png 0 --readability
build/default/tools/tintmill_screenshot docs/export.png 0 --tool=mnuExport:frmExport
build/default/tools/tintmill_screenshot docs/nearest.png 0 --tool=mnuNearest:frmNearest
build/default/tools/tintmill_screenshot docs/scheme.png 0 --tool=mnuScheme:frmScheme \
    --press=cmdMakeDark
