#!/usr/bin/env bash
# Installs what Tintmill needs to build, run and test on Debian 12, from
# Debian's own packages. Packages already present are not fetched again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-svg-dev libqt6svg6 libgl-dev libfontconfig-dev
    libgtest-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    fonts-noto-cjk qt6-translations-l10n xvfb xauth dbus-daemon openbox
    desktop-file-utils appstream shared-mime-info dpkg-dev file lintian
    python3-tinycss2 sassc
)
# Node.js runs the design-token resolver that the tests read the exports
# with. One from elsewhere will do: it brings its own npm, which Debian's
# npm package would conflict with.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -ne 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

# That resolver, at the versions its lockfile names, beside the test that
# runs it. It comes from the npm registry, which a machine may not reach:
# everything else is installed all the same, and that one test is skipped.
resolver="$root/tests/codegen/tokenresolver"
stamp="$resolver/node_modules/.installed-package-lock.json"
if ! cmp -s "$resolver/package-lock.json" "$stamp"; then
    echo "Installing the design-token resolver for the tests (npm ci)"
    if (cd "$resolver" && npm ci --no-audit --no-fund --loglevel=error \
        --fetch-retries=1 --fetch-timeout=60000); then
        cp "$resolver/package-lock.json" "$stamp"
    else
        echo "install-deps.sh: the design-token resolver could not be installed;" \
            "its test will be skipped" >&2
    fi
fi
