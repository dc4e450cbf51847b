#!/bin/sh
# Installs the build into a scratch root and checks the files a desktop expects.
# Arguments: the build tree, the scratch root, the folder of the screenshots.
set -eu
build="$1"
root="$2"
docs="$3"
work="$root.work"
rm -rf "$root" "$work"
mkdir -p "$work"
# shellcheck source=tests/e2e/desktop_checks.sh disable=SC2034
. "$(dirname "$0")/desktop_checks.sh"

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$root" && find . ! -type d | sed 's|^\./||') | check_file_list
check_desktop_tree
echo "1 passed, 0 failed"
