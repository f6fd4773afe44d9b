#!/usr/bin/env bash
# Renders the main window headless into docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target tintmill_screenshot
QT_QPA_PLATFORM=offscreen build/default/tools/tintmill_screenshot docs/screenshot.png "$@"
