#!/usr/bin/env bash
# Installs the built program into a temporary prefix, as a user or packager
# would, and checks the installed tree: the files, their contents, the desktop
# tools' verdict on them, the MIME and desktop-file databases the install
# built from them, the program a file manager opens the colour files with,
# and that the installed program starts with a colour file and keeps its
# files in the per-user folders.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR MIMETYPEOF
set -uo pipefail
build=$1
source=$2
mimetypeof=$3
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
prefix=$work/prefix
tab=$'\t'
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
    share/mime/packages/org.example.tintmill.xml \
    share/doc/tintmill/LICENSE \
    share/doc/tintmill/README.md \
    share/doc/tintmill/manual.ja.html; do
    check "installed $file" test -f "$prefix/$file"
done
check "the executable can run" test -x "$prefix/bin/tintmill"
check "the manual is the one the help window shows" \
    cmp "$prefix/share/doc/tintmill/manual.ja.html" "$source/resources/help/manual.ja.html"
# The manual page names the manual where this install put it, and reads in
# Japanese from its first heading to its last.
manpage=$prefix/share/man/man1/tintmill.1.gz
check "installed share/man/man1/tintmill.1.gz" test -f "$manpage"
check "the manual page names the installed manual" \
    bash -c "zcat '$manpage' | grep -qF '$prefix/share/doc/tintmill/manual.ja.html'"
if command -v man >/dev/null; then
    LANG=C.UTF-8 MANWIDTH=100 man --warnings -E UTF-8 -l "$manpage" >"$work/manpage" 2>"$work/manpage.err"
    check "man renders the manual page without a warning" test ! -s "$work/manpage.err"
    for heading in 名前 書式 説明 オプション 終了ステータス 例 関連項目; do
        check "the manual page has the heading $heading" grep -qx "$heading" "$work/manpage"
    done
    check "the manual page has the examples" \
        grep -qF "tintmill --make-dark -o night.iro summer.iro" "$work/manpage"
else
    echo "man is not installed: the manual page's rendering is not checked"
fi
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
Exec=tintmill %F
Icon=org.example.tintmill
Categories=Development;WebDevelopment;
MimeType=application/x-tintmill-page-colors;application/x-tintmill-scrollbar-colors;application/design-tokens+json;
LINES

# The install by hand has built the desktop's databases of the prefix, as a
# package's triggers would.
check "the install built the MIME database" test -f "$prefix/share/mime/mime.cache"
check "the install built the desktop-file database" \
    test -f "$prefix/share/applications/mimeinfo.cache"

# A staged install (DESTDIR, as packages are made) leaves the databases of
# the tree it is meant for to the package system: the prefix's own folders,
# outside the stage, are not touched.
live=$work/live
mkdir -p "$live/share/applications" "$live/share/mime/packages"
check "staged install" env DESTDIR="$work/stage" cmake --install "$build" --prefix "$live"
check "a staged install leaves the databases to the package system" \
    bash -c "! find '$live' '$work/stage' -name '*.cache' | grep ."

# The colour files' types, as the desktop's MIME database built from the
# installed tree gives them, read with Qt's reader (the program's own file
# dialogs, Qt-based file managers): by name, in any letter case.
XDG_DATA_DIRS=$prefix/share XDG_DATA_HOME=$work/no-data LC_ALL=C.UTF-8 LANGUAGE=ja \
    "$mimetypeof" x.iro X.SCB Summer.Iro x.iro.txt >"$work/mimetypes" 2>"$work/mimetypes.err"
while IFS= read -r line; do
    check "MIME database gives: $line" grep -qxF "$line" "$work/mimetypes"
done <<LINES
x.iro${tab}application/x-tintmill-page-colors${tab}text${tab}Tintmill ページの色設定
X.SCB${tab}application/x-tintmill-scrollbar-colors${tab}text${tab}Tintmill スクロールバーの色設定
Summer.Iro${tab}application/x-tintmill-page-colors${tab}text${tab}Tintmill ページの色設定
LINES
check "only the extension counts" bash -c "! grep -q '^x.iro.txt${tab}application/x-tintmill' '$work/mimetypes'"

# Design tokens, among the system's types: the longer glob wins over *.json,
# which other JSON files keep.
XDG_DATA_DIRS=$prefix/share:/usr/share XDG_DATA_HOME=$work/no-data LC_ALL=C.UTF-8 LANGUAGE=ja \
    "$mimetypeof" colors.tokens.json COLORS.TOKENS package.json >"$work/tokentypes" 2>&1
check "MIME database gives design tokens their type" \
    grep -qx "colors.tokens.json${tab}application/design-tokens+json${tab}.*${tab}デザイントークン" \
    "$work/tokentypes"
check "MIME database gives design tokens their type in any letter case" \
    grep -qx "COLORS.TOKENS${tab}application/design-tokens+json${tab}.*" "$work/tokentypes"
check "other JSON stays JSON" grep -qx "package.json${tab}application/json${tab}.*" "$work/tokentypes"

# Which program opens each kind of colour file and the design tokens, asked
# as GIO asks it for the file managers built on it (GNOME Files, Nemo,
# Thunar, Caja, PCManFM): Tintmill, ahead of the system's text editors, which
# take any text/plain file. The installed bin/ is on PATH, as ~/.local/bin is at login: GIO skips
# a desktop entry whose program it cannot find.
mkdir -p "$work/gio-home" "$work/gio-config"
for type in application/x-tintmill-page-colors application/x-tintmill-scrollbar-colors \
    application/design-tokens+json; do
    env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$work/gio-home" LC_ALL=C.UTF-8 \
        XDG_DATA_HOME="$work/no-data" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        XDG_CONFIG_HOME="$work/gio-config" XDG_CONFIG_DIRS="$work/gio-config" \
        gio mime "$type" >"$work/default" 2>&1
    check "a file manager opens $type with Tintmill" \
        bash -c "cat '$work/default'; head -n 1 '$work/default' | grep -q ': org.example.tintmill.desktop\$'"
done

# What the metadata says agrees with the version box, the licence and the MIME types.
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
<mediatype>application/x-tintmill-page-colors</mediatype>
<mediatype>application/x-tintmill-scrollbar-colors</mediatype>
<mediatype>application/design-tokens+json</mediatype>
TEXTS
check "the licence is MIT's" grep -q "^MIT License" "$prefix/share/doc/tintmill/LICENSE"

# The installed program starts as the desktop entry starts it for a colour
# file (Exec=tintmill %F), and writes its preview page to the per-user cache folder, not beside
# itself. The file's scrollbar colours (the face alone, #FF0000) reach the
# preview page: the window opened the file.
home=$work/home
mkdir -p "$home"
printf 'face#CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' \
    >"$work/FACE.SCB"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
    XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    "$prefix/bin/tintmill" "$work/FACE.SCB" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 300); do
    grep -qi 'scrollbar-face-color: *#FF0000' "$home/.cache/Tintmill/tmp.htm" 2>/dev/null && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
check "the installed program is running" kill -0 "$program_pid"
check "its preview page is in the per-user cache folder" test -f "$home/.cache/Tintmill/tmp.htm"
check "the colour file given to it is open" \
    grep -qi 'scrollbar-face-color: *#FF0000' "$home/.cache/Tintmill/tmp.htm"
check "its settings folder is the per-user configuration folder" test -d "$home/.config/Tintmill"
check "nothing is written beside the installed program" \
    bash -c "[ -z \"\$(ls '$prefix/bin' | grep -vx tintmill)\" ]"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
