#!/usr/bin/env bash
# Builds the Debian package from a built tree into a temporary folder and
# looks inside: the files it installs, what it depends on, the menu entry and
# the file type. cpack brings the build tree up to date first, which after a
# build changes nothing there, so other tests can run meanwhile.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
readonly build_dir=$1 version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate update-mime-database; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; ./dev.sh test installs it"; exit 1; }
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
readonly deb=$(echo "$work"/*.deb)

# The program, its menu entry, two icons and the .scp file type, and nothing else.
readonly expected_files="./usr/bin/defwright
./usr/share/applications/defwright.desktop
./usr/share/doc/defwright/copyright
./usr/share/icons/hicolor/16x16/apps/defwright.png
./usr/share/icons/hicolor/32x32/apps/defwright.png
./usr/share/mime/packages/defwright.xml"
files=$(dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
[ "$files" = "$expected_files" ] || fail "the package holds other files than expected: $files"

[ "$(dpkg-deb -f "$deb" Package Version)" = "Package: defwright"$'\n'"Version: $version" ] \
    || fail "the package is not defwright $version"
readonly depends=$(dpkg-deb -f "$deb" Depends)
# dpkg-shlibdeps names the libraries the program links; the platform plugin
# is loaded at run time and has to be named by hand.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqscintilla2-qt6-15 qt6-qpa-plugins; do
    [[ ", $depends," =~ ", $package"[\ ,] ]] || fail "Depends does not name $package"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *fonts-dejavu-core* ]] || fail "Recommends does not name the fonts"

readonly root=$work/root
dpkg-deb -x "$deb" "$root"
readonly entry=$root/usr/share/applications/defwright.desktop
key() { sed -n "s/^$1=//p" "$entry"; }
# Hints are advice; errors and warnings are faults.
if ! validation=$(desktop-file-validate "$entry" 2>&1) || grep -E ': (error|warning): ' <<<"$validation"; then
    fail "desktop-file-validate complains about the menu entry"
fi
# A file manager hands the chosen script over as the one file argument.
[ "$(key Exec)" = "defwright %f" ] || fail "the entry's Exec is '$(key Exec)', not 'defwright %f'"
[ -f "$root/usr/share/icons/hicolor/32x32/apps/$(key Icon).png" ] || fail "the entry's Icon is missing"
[[ "$(key Categories)" == *TextEditor\;* ]] || fail "the entry is not among the text editors"

# The file type, built into a database of its own as the desktop's trigger
# would. update-mime-database passes over a malformed file without failing,
# so what counts is that the database it made maps *.scp to the entry's type.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/defwright.xml" "$work/mime/packages/" || true
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database failed"
if ! grep -qx "[0-9]*:$(key MimeType | tr -d ';'):\*\.scp" "$work/mime/globs2" 2>/dev/null; then
    cat "$work/mime.log"
    fail "the file type does not claim *.scp for the entry's MimeType '$(key MimeType)'"
fi

grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/defwright/copyright" 2>/dev/null \
    || fail "the copyright file does not give the licence"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "the package is complete"
