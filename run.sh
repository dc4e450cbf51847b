#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mirelon as the installed launcher does: on the
# user's own copy of the tables of share/, so that trying the program never rewrites them.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh program
data="${XDG_DATA_HOME:-$HOME/.local/share}/mirelon"
mkdir -p "$data"
program="$PWD/build/src/table/mirelon"
share="$PWD/share"
cd "$data"
exec "$program" --origine "$share" "$@"
