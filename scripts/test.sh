#!/usr/bin/env bash
# Installs what is missing, checks the sources' formatting, builds everything
# and runs every test headless: the whole program's tests, then all of them
# again under AddressSanitizer and UndefinedBehaviorSanitizer (see
# sanitizers/README.md), then a short run of each file reader under libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset sanitize-all
cmake --build --preset sanitize-all
ctest --preset sanitize-all

# Twenty seconds per reader; scripts/fuzz.sh SECONDS runs them longer.
scripts/fuzz.sh 20
