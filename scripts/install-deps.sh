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
    desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file lintian
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

# Tools of their own that the tests read the exports with, at the versions
# their lockfiles name, each beside the test that runs it: the design-token
# resolver and the reference Sass compiler (dart-sass). They come from the npm
# registry, which a machine may not reach: everything else is installed all
# the same, and the tests that need them are skipped.
install_npm_tool() {
    local folder="$1" what="$2"
    shift 2
    local stamp="$folder/node_modules/.installed-package-lock.json"
    if cmp -s "$folder/package-lock.json" "$stamp"; then
        return
    fi
    echo "Installing $what for the tests (npm ci)"
    if (cd "$folder" && npm ci --no-audit --no-fund --loglevel=error \
        --fetch-retries=1 --fetch-timeout=60000 "$@"); then
        cp "$folder/package-lock.json" "$stamp"
    else
        echo "install-deps.sh: $what could not be installed; its test will be skipped" >&2
    fi
}
install_npm_tool "$root/tests/codegen/tokenresolver" "the design-token resolver"
# Without the optional file watcher, which only `sass --watch` uses and which
# would build native code.
install_npm_tool "$root/tests/codegen/sass" "dart-sass" --omit=optional --ignore-scripts
