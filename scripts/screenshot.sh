#!/usr/bin/env bash
# Renders every page of the main window headless into docs/: screenshot.png
# for the first page, screenshot-NAME.png for the others, readability.png
# (the window with the readability check docked beside its content), and
# export.png, nearest.png and scheme.png for those panes. Then, to look at
# and not to commit, the whole screen as a user sees it, under a window
# manager (openbox), frames and all, in build/default/desktop/: a Full HD
# screen, the same at 200 %, and a 1024 x 600 netbook.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target tintmill_screenshot

# The program keeps the layout it is left in beside itself; every picture
# starts without one.
shot() {
    rm -f build/default/tools/Tintmill-layout.dat
    build/default/tools/tintmill_screenshot "$@"
    rm -f build/default/tools/Tintmill-layout.dat
}

# A desktop-sized screen: the offscreen platform's own is smaller than the window.
(
    export QT_QPA_PLATFORM="offscreen:configfile=$PWD/tools/screen.json"
    pages=(screenshot screenshot-saveload screenshot-html screenshot-css screenshot-scrollbar)
    for page in "${!pages[@]}"; do
        shot "docs/${pages[$page]}.png" "$page"
    done
    shot docs/readability.png 0 --tool=mnuReadability:frmColor
    shot docs/export.png 0 --tool=mnuExport:frmExport
    shot docs/nearest.png 0 --tool=mnuNearest:frmNearest
    shot docs/scheme.png 0 --tool=mnuScheme:frmScheme --press=cmdMakeDark
)

mkdir -p build/default/desktop
for screen in "1920x1080 1 fullhd" "1920x1080 2 fullhd-200" "1024x600 1 netbook"; do
    read -r size scale name <<<"$screen"
    rm -f build/default/tools/Tintmill-layout.dat
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 ${size}x24" \
        sh -c "openbox & sleep 1; build/default/tools/tintmill_screenshot \
            build/default/desktop/$name.png 0 --tool=mnuReadability:frmColor --screen"
done
rm -f build/default/tools/Tintmill-layout.dat
