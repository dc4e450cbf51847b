#!/bin/sh
# Instructions from process start to the end of the main window's first frame, beside the same
# count for a bare Qt window and for one showing a label, counted by callgrind on the start-up
# probe, which quits after its first frame. Counts do not drift with the machine's load
# as the times of bench_startup do; callgrind is used as the kernel here offers no hardware
# counter to `perf stat`.
#
#   bench/startup_instructions.sh [build directory] [runs]
#
# The build directory (build-bench by default) must hold the startup_probe target. Prints each
# run's count and the median of each mode.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build-bench}" && pwd)
runs=${2:-5}
probe="$build/bench/table/startup_probe"
[ -x "$probe" ] || { echo "no $probe: build the startup_probe target" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The program starts as the launcher starts it, on the user's copy of the shipped tables in its
# working directory, made by a first start that is not counted.
mkdir "$out/folder"
cd "$out/folder"
QT_QPA_PLATFORM=offscreen "$probe" --origine "$here/share" >/dev/null 2>&1 ||
    { echo "the probe did not start" >&2; exit 1; }
for mode in bare text mirelon; do
    counts=""
    i=0
    while [ "$i" -lt "$runs" ]; do
        # The probe has callgrind dump its count at the end of its first frame: part ".1".
        rm -f "$out"/callgrind.*
        QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind \
            --callgrind-out-file="$out/callgrind.%p" "$probe" "$mode" --origine "$here/share" \
            >/dev/null 2>&1 || true
        first=$(ls "$out"/callgrind.*.1 2>/dev/null | sort -t. -k2 -n | head -n 1)
        count=""
        [ -z "$first" ] || count=$(awk '$1 == "totals:" { print $2 }' "$first")
        [ -n "$count" ] || { echo "$mode: callgrind reported no count" >&2; exit 1; }
        counts="$counts $count"
        i=$((i + 1))
    done
    # shellcheck disable=SC2086 # one count a line
    median=$(printf '%s\n' $counts | sort -n | sed -n "$(((runs + 1) / 2))p")
    echo "$mode:$counts median $median"
done
