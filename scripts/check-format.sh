#!/usr/bin/env bash
# Fails when any C++ source file differs from what the committed .clang-format
# makes of it; `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
