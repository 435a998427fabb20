#!/usr/bin/env bash
# Builds the Debian package from a built tree into a temporary folder and
# looks inside: the files it installs, its control fields, the menu entry and
# the icons. cpack brings the build tree up to date first, which after a build
# changes nothing there, so other tests can run meanwhile.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
readonly build_dir=$1 version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate file update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing; ./dev.sh test installs it"
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack did not make the package"
    exit 1
fi
debs=("$work"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one .deb in the cpack output, found: ${debs[*]}"
    exit 1
fi
readonly deb=${debs[0]}
echo "package: $(basename "$deb")"

# The program, its menu entry, two icons and the .scp file type, and nothing else.
readonly expected_files="./usr/bin/defwright
./usr/share/applications/defwright.desktop
./usr/share/doc/defwright/copyright
./usr/share/icons/hicolor/16x16/apps/defwright.png
./usr/share/icons/hicolor/32x32/apps/defwright.png
./usr/share/mime/packages/defwright.xml"
files=$(dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
if [ "$files" != "$expected_files" ]; then
    fail "the package holds other files than expected:"
    diff <(echo "$expected_files") <(echo "$files") || true
fi

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = defwright ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = editors ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Homepage)" ] || fail "no Homepage"
readonly depends=$(field Depends)
echo "Depends: $depends"
# dpkg-shlibdeps names the libraries the program links; the platform plugin
# is loaded at run time and has to be named by hand.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqscintilla2-qt6-15 qt6-qpa-plugins; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] \
        || fail "Depends does not name $package"
done
[[ "$(field Recommends)" == *fonts-dejavu-core* ]] || fail "Recommends does not name fonts-dejavu-core"

readonly root=$work/root
dpkg-deb -x "$deb" "$root"

readonly entry=$root/usr/share/applications/defwright.desktop
if [ -f "$entry" ]; then
    # Hints are advice; errors and warnings are faults.
    validation=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects the menu entry"
    if grep -E ': (error|warning): ' <<<"$validation"; then
        fail "desktop-file-validate complains about the menu entry"
    fi
    key() {
        sed -n "s/^$1=//p" "$entry"
    }
    [ "$(key Name)" = Defwright ] || fail "the entry's Name is '$(key Name)'"
    # A file manager hands the chosen script over as the one file argument.
    [ "$(key Exec)" = "defwright %f" ] || fail "the entry's Exec is '$(key Exec)', not 'defwright %f'"
    [ -x "$root/usr/bin/defwright" ] || fail "the entry's program is not in the package"
    [ "$(key MimeType)" = "text/x-scp;" ] || fail "the entry's MimeType is '$(key MimeType)'"
    [ -f "$root/usr/share/icons/hicolor/32x32/apps/$(key Icon).png" ] \
        || fail "the entry's Icon '$(key Icon)' is not an icon in the package"
    [[ "$(key Categories)" == *Development\;* && "$(key Categories)" == *TextEditor\;* ]] \
        || fail "the entry's Categories are '$(key Categories)'"
fi

# The file type, built into a database of its own as the desktop's trigger
# would. update-mime-database passes over a malformed file without failing,
# so what counts is that the database it made maps *.scp to the entry's type.
readonly mime_xml=$root/usr/share/mime/packages/defwright.xml
if [ -f "$mime_xml" ]; then
    mkdir -p "$work/mime/packages"
    cp "$mime_xml" "$work/mime/packages/"
    update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database failed"
    if ! grep -qx '[0-9]*:text/x-scp:\*\.scp' "$work/mime/globs2" 2>/dev/null; then
        cat "$work/mime.log"
        fail "the file type does not claim *.scp"
    fi
    grep -q '<comment>Game server script</comment>' "$mime_xml" || fail "the file type has no comment"
fi

for size in 16 32; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/defwright.png
    [ -f "$png" ] || continue
    kind=$(file -b "$png")
    [[ "$kind" == "PNG image data, $size x $size,"* ]] || fail "the ${size}x$size icon is: $kind"
done

grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/defwright/copyright" 2>/dev/null \
    || fail "the copyright file does not give the licence"

[[ "$(file -b "$root/usr/bin/defwright")" == ELF*executable* ]] || fail "usr/bin/defwright is not a program"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the package is complete"
