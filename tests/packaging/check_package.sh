#!/usr/bin/env bash
# Builds the Debian package from the built program and checks what it holds
# and what it depends on.
# Usage: check_package.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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

check "cpack" cpack --config "$build/CPackConfig.cmake" -B "$work/out-dir"
package=$(ls "$work"/out-dir/tintmill_1.0.0_*.deb 2>/dev/null | head -n 1)
check "the package is named tintmill_1.0.0_ARCH.deb" test -n "$package"

dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/depends"
# From the shared libraries the program links, and what it loads otherwise.
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    fonts-noto-cjk qt6-translations-l10n libqt6webenginecore6-bin; do
    check "depends on $dependency" grep -qx "$dependency" "$work/depends"
done
check "package name" test "$(dpkg-deb -f "$package" Package)" = tintmill
# The synopsis, the description's first line, is what package lists show.
synopsis=$(dpkg-deb -f "$package" Description | head -n 1)
check "the description's first line is under 80 characters" test "${#synopsis}" -lt 80
# The browser module is private to the program: nothing for ldconfig to do,
# so no maintainer scripts at all (shared-mime-info's trigger builds the MIME
# database from the package's types).
dpkg-deb --ctrl-tarfile "$package" | tar -t >"$work/control"
for script in preinst postinst prerm postrm triggers; do
    check "no $script" bash -c "! grep -qE '(^|/)$script\$' '$work/control'"
done
check "package version" test "$(dpkg-deb -f "$package" Version)" = 1.0.0

dpkg-deb -c "$package" | awk '{print $6}' >"$work/contents"
for file in \
    ./usr/bin/tintmill \
    ./usr/share/applications/org.example.tintmill.desktop \
    ./usr/share/metainfo/org.example.tintmill.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.example.tintmill.svg \
    ./usr/share/mime/packages/org.example.tintmill.xml \
    ./usr/share/doc/tintmill/manual.ja.html \
    ./usr/share/doc/tintmill/LICENSE \
    ./usr/share/doc/tintmill/copyright \
    ./usr/share/doc/tintmill/changelog.gz \
    ./usr/share/man/man1/tintmill.1.gz; do
    check "packs $file" grep -qx "$file" "$work/contents"
done

check "the packaged manual page names the manual under /usr" bash -c \
    "dpkg-deb --fsys-tarfile '$package' | tar -xO ./usr/share/man/man1/tintmill.1.gz | zcat | grep -qF /usr/share/doc/tintmill/manual.ja.html"

# The desktop's databases are the package system's to build from every
# package's files (its triggers run on install); the install by hand builds
# them, the package's staged one must not pack them.
check "packs no desktop database" \
    bash -c "! grep -E '/(mimeinfo|mime)\.cache\$' '$work/contents'"

# The browser view's module, in the library folder of the tree (the program
# looks for it there from its own folder).
check "packs the browser module" \
    grep -qE '^\./usr/lib/([^/]+/)?tintmill/tintmill-browser\.so$' "$work/contents"

# Debian's own package checker, where it is installed (it is not needed to
# build or test otherwise): no errors and no warnings.
if command -v lintian >/dev/null; then
    check "lintian finds no errors or warnings" bash -c \
        "lintian --tag-display-limit 0 '$package' >'$work/lintian' 2>&1; cat '$work/lintian'; ! grep -qE '^[EW]:' '$work/lintian'"
else
    echo "lintian is not installed: its check is left out"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
