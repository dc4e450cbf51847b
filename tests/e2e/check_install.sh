#!/bin/sh
# Installs the build into a scratch root and checks the files a desktop expects.
set -eu
build="$1"
root="$2"
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
for path in bin/mirelon bin/mirelon-launch; do
  test -x "$root/usr/$path" || { echo "missing executable $path"; exit 1; }
done
for file in prop.yop struct.yop iso.yop; do
  test -s "$root/usr/share/mirelon/$file" || { echo "missing data file $file"; exit 1; }
done
test -f "$root/usr/share/icons/hicolor/scalable/apps/mirelon.svg"
desktop-file-validate "$root/usr/share/applications/mirelon.desktop"
grep -q '^Exec=/.*/bin/mirelon-launch$' "$root/usr/share/applications/mirelon.desktop"
echo "1 passed, 0 failed"
