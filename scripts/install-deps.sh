#!/usr/bin/env bash
# Installs what Tintmill needs to build, run and test on Debian 12, from
# Debian's own packages. Packages already present are not fetched again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-svg-dev libqt6svg6 libgl-dev libfontconfig-dev
    libgtest-dev googletest
    clang libclang-rt-14-dev clang-format
    fonts-noto-cjk qt6-translations-l10n xvfb xauth dbus-daemon
    desktop-file-utils appstream shared-mime-info dpkg-dev file lintian
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
