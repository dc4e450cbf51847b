#!/bin/sh
# Shared libraries mapped and resident memory of the program 2 s after its start, read from
# /proc: the program starts as the launcher starts it, in a scratch folder on the copy there of
# the shipped tables (made by the first run, brought up to them by the others), under a display
# of its own (Xvfb) where one is installed, else offscreen, and is ended after the reading.
#
#   bench/startup_memory.sh [program] [runs]
#
# The program is build/src/table/mirelon by default. Prints each run's figures and the median.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$here/build/src/table/mirelon}")
runs=${2:-3}
[ -x "$program" ] || { echo "no $program: build the mirelon target" >&2; exit 1; }
work=$(mktemp -d)
display=""
cleanup() {
    [ -z "$display" ] || kill "$display" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if command -v Xvfb >/dev/null; then
    Xvfb :87 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    display=$!
    export DISPLAY=:87 QT_QPA_PLATFORM=xcb
    sleep 1
else
    export QT_QPA_PLATFORM=offscreen
fi
echo "platform $QT_QPA_PLATFORM"
libraries=""
rss=""
i=0
while [ "$i" -lt "$runs" ]; do
    (cd "$work" && exec "$program" --origine "$here/share") >/dev/null 2>&1 &
    pid=$!
    sleep 2
    count=$(awk '$6 ~ /\.so($|\.)/ { print $6 }' "/proc/$pid/maps" | sort -u | wc -l)
    kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $((i + 1)): $count shared libraries, RSS $kb kB"
    libraries="$libraries $count"
    rss="$rss $kb"
    i=$((i + 1))
done
median() {
    # shellcheck disable=SC2086 # one figure a line
    printf '%s\n' $1 | sort -n | sed -n "$(((runs + 1) / 2))p"
}
echo "median: $(median "$libraries") shared libraries, RSS $(median "$rss") kB"
