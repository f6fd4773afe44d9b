#!/usr/bin/env bash
# Installs what is missing, builds Tintmill and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
exec build/default/tintmill
