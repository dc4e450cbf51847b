#!/bin/sh
# Builds the Debian package into a scratch folder and checks it as apt and a software
# centre would see it: its files, its dependencies, its metadata, and lintian.
# Arguments: the build tree, the folder of the screenshots.
set -eu
build="$1"
docs="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
# shellcheck source=tests/e2e/desktop_checks.sh disable=SC2034
. "$(dirname "$0")/desktop_checks.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || fail "$tool is missing: tools/setup.sh installs it"
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/out/mirelon_*.deb)
arch=$(dpkg --print-architecture)
version=$(dpkg-deb -f "$deb" Version)
test "$(basename "$deb")" = "mirelon_${version}_$arch.deb" || fail "package named $(basename "$deb")"

dpkg-deb -c "$deb" | tee "$work/contents" | awk '$6 !~ /\/$/ { sub(/^\.\//, "", $6); print $6 }' |
  check_file_list
cat "$work/contents"

# Depends names the packages whole, whatever version constraints follow them.
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' >"$work/depends"
for package in fonts-liberation qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6 \
  libqt6printsupport6; do
  grep -qx "$package" "$work/depends" || fail "Depends lacks $package: $(dpkg-deb -f "$deb" Depends)"
done

dpkg-deb -x "$deb" "$root"
check_desktop_tree
changelog=$(zcat "$root/usr/share/doc/mirelon/changelog.gz" | sed -n '1s/^mirelon (\([^)]*\)).*/\1/p')
test "$changelog" = "$version" || fail "the package is $version, its changelog's newest entry $changelog"

lintian --pedantic "$deb" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -E '^(E|W):' "$work/lintian" >/dev/null; then
  fail "lintian reports errors or warnings"
fi
echo "1 passed, 0 failed"
