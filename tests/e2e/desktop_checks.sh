# shellcheck shell=sh disable=SC2154
# Checks shared by the install tree and the Debian package: the files a desktop, a
# software centre and dpkg read from a tree rooted at $root (which holds usr/).
# The caller sets $root, $work (a scratch folder) and $docs (the screenshots).

fail() {
  echo "FAIL: $*"
  exit 1
}

# stdin: the tree's files, one a line; they must be exactly the expected ones, so that
# nothing is missing and nothing else (a test, a benchmark) slips in.
check_file_list() {
  LC_ALL=C sort >"$work/actual-files"
  diff -u "$(dirname "$0")/installed_files.txt" "$work/actual-files" ||
    fail "the installed files are not the expected ones (- missing, + unexpected)"
}

# The PNG icons have the size of their hicolor folder.
check_icon_sizes() {
  for png in "$root"/usr/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "PNG image data, ${size%x*} x ${size#*x}," ||
      fail "$png is not a $size PNG: $(file -b "$png")"
  done
}

# The desktop entry runs the launcher, which runs the program on the installed data,
# and names an icon that exists at every size.
check_desktop_entry() {
  desktop=$(ls "$root"/usr/share/applications/*.desktop)
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
  exec_path=$(sed -n 's/^Exec=//p' "$desktop")
  case "$exec_path" in /*/bin/mirelon-launch) ;; *) fail "Exec is $exec_path" ;; esac
  launcher="$root$exec_path"
  test -x "$launcher" || fail "Exec names $exec_path, which the tree does not hold"
  binary=$(sed -n 's/^exec "\([^"]*\)".*/\1/p' "$launcher")
  test -x "$root$binary" || fail "the launcher runs $binary, which the tree does not hold"
  data=$(sed -n 's/^exec .* --origine "\([^"]*\)".*/\1/p' "$launcher")
  for file in prop.yop struct.yop iso.yop; do
    test -s "$root$data/$file" || fail "the launcher's shipped tables, $data, hold no $file"
  done
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  test "$(basename "$desktop" .desktop)" = "$icon" || fail "Icon=$icon is not the desktop id"
  count=$(ls "$root"/usr/share/icons/hicolor/*/apps/"$icon".png \
    "$root"/usr/share/icons/hicolor/scalable/apps/"$icon".svg 2>/dev/null | wc -l)
  test "$count" -eq 5 || fail "$count icon files named $icon instead of 5"
}

# The AppStream metadata validates against the tree (its launchable included), shows
# the screenshots of docs/ at their real sizes, and its newest release is the
# changelog's.
check_metainfo() {
  appstreamcli validate-tree --no-net --pedantic "$root" ||
    fail "appstreamcli rejects the metadata"
  metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
  sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*\/\([^/]*\)<\/image>.*/\3 \1 \2/p' \
    "$metainfo" >"$work/screenshots"
  test "$(wc -l <"$work/screenshots")" -eq 3 || fail "the metadata lists no 3 screenshots"
  while read -r name width height; do
    file "$docs/$name" | grep -q "PNG image data, $width x $height," ||
      fail "screenshot $name is not a ${width}x$height picture in docs/"
  done <"$work/screenshots"
  release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
  changelog=$(zcat "$root/usr/share/doc/mirelon/changelog.gz" | sed -n '1s/^mirelon (\([^)]*\)).*/\1/p')
  if [ -z "$release" ] || [ "$release" != "$changelog" ]; then
    fail "the newest release is '$release' in the metadata, '$changelog' in the changelog"
  fi
}

check_desktop_tree() {
  check_icon_sizes
  check_desktop_entry
  check_metainfo
}
