#!/usr/bin/env bash
# Installs the built program into a temporary prefix, as a user or packager
# would, and checks the installed tree: the files, their contents, the desktop
# tools' verdict on them, and that the installed program starts and keeps its
# files in the per-user folders.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
prefix=$work/prefix
passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
        sed 's/^/    /' "$work/out"
    fi
}

check "cmake --install" cmake --install "$build" --prefix "$prefix"

# Files of the installed tree.
for file in \
    bin/tintmill \
    share/applications/org.example.tintmill.desktop \
    share/metainfo/org.example.tintmill.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.example.tintmill.svg \
    share/doc/tintmill/LICENSE \
    share/doc/tintmill/README.md; do
    check "installed $file" test -f "$prefix/$file"
done
check "the executable can run" test -x "$prefix/bin/tintmill"
check "the icon is the window icon's artwork" \
    cmp "$prefix/share/icons/hicolor/scalable/apps/org.example.tintmill.svg" \
    "$source/resources/icons/tintmill.svg"
if [ -e "$build/tintmill-browser.so" ]; then
    check "the browser module is in the library folder" \
        bash -c "ls '$prefix'/lib*/tintmill/tintmill-browser.so '$prefix'/lib*/*/tintmill/tintmill-browser.so 2>/dev/null | grep -q ."
fi

desktop=$prefix/share/applications/org.example.tintmill.desktop
metainfo=$prefix/share/metainfo/org.example.tintmill.metainfo.xml
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"

# Lines the desktop entry must hold.
while IFS= read -r line; do
    check "desktop entry has: $line" grep -qxF "$line" "$desktop"
done <<'LINES'
Name=Tintmill
Name[ja]=Tintmill
Comment=Pick the colours of a web page from the 216 web-safe colours and copy them as HTML and CSS
Comment[ja]=Webページの色を216色のWebセーフカラーから選び、HTMLやCSSとしてコピーします
Exec=tintmill
Icon=org.example.tintmill
Categories=Development;WebDevelopment;
LINES

# What the metadata says agrees with the version box and the licence.
while IFS= read -r text; do
    check "metainfo has: $text" grep -qF "$text" "$metainfo"
done <<'TEXTS'
<id>org.example.tintmill</id>
<project_license>MIT</project_license>
<release version="1.0.0"
<developer_name>Tintmill 開発チーム</developer_name>
<url type="help">https://tintmill.example.org/support/</url>
<launchable type="desktop-id">org.example.tintmill.desktop</launchable>
<screenshot type="default">
TEXTS
check "the licence is MIT's" grep -q "^MIT License" "$prefix/share/doc/tintmill/LICENSE"

# The installed program starts and writes its preview page to the per-user
# cache folder, not beside itself.
home=$work/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
    XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    "$prefix/bin/tintmill" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 300); do
    [ -f "$home/.cache/Tintmill/tmp.htm" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
check "the installed program is running" kill -0 "$program_pid"
check "its preview page is in the per-user cache folder" test -f "$home/.cache/Tintmill/tmp.htm"
check "its settings folder is the per-user configuration folder" test -d "$home/.config/Tintmill"
check "nothing is written beside the installed program" \
    bash -c "[ -z \"\$(ls '$prefix/bin' | grep -vx tintmill)\" ]"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
