#!/bin/sh
# Start-up of the program beside the floor (a bare Qt Widgets window of the same size with 103
# painted cells and a menu bar, bench/floor) and, where it is installed and a display is there,
# gperiodic: runs interleaved, so that the machine's load falls on all alike. Prints the median
# wall time and CPU time (user + system) to the end of the first frame, the callgrind
# instruction count of each to there, the resident memory 2 s after start and the number of shared
# libraries then mapped (of the program and the floor, kept running by MIRELON_PROBE_STAYS),
# and the ratios to the floor.
#
#   bench/startup_compare.sh [build directory] [runs] [build directory before]
#
# The build directory (build-bench by default) must hold the startup_probe and startup_floor
# targets. Given a build of an older commit (a clone with its own build), its probe runs in the
# same rounds, as "before", so that a change is measured side by side under the same load
# (the older probes must report their first frame and take --origine as these do). The probes
# quit after their first frame; gperiodic does not, so it is timed to its window being mapped
# and then closed.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build-bench}" && pwd)
runs=${2:-5}
probe="$build/bench/table/startup_probe"
floor="$build/bench/floor/startup_floor"
before=""
[ -z "${3:-}" ] || before="$(cd "$3" && pwd)/bench/table/startup_probe"
for program in "$probe" "$floor" $before; do
    [ -x "$program" ] || { echo "no $program: build it first" >&2; exit 1; }
done
command -v python3 >/dev/null || { echo "python3 is not installed" >&2; exit 1; }
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
gperiodic=""
if command -v gperiodic >/dev/null && command -v xwininfo >/dev/null && [ -n "${DISPLAY:-}" ]; then
    gperiodic=$(command -v gperiodic)
else
    echo "gperiodic (or xwininfo, or a display) is missing: compared with the floor only"
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# One timed start: appends "wall cpu" in seconds to $out/$1, both to the end of the first frame:
# the wall time until the probe's line comes, the CPU time (user + system, all threads) the
# probe read of itself then.
timed() {
    name=$1
    shift
    python3 -c '
import subprocess, sys, time
start = time.monotonic()
probe = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
line = probe.stdout.readline().split()
wall = time.monotonic() - start
probe.wait()
if len(line) == 2 and line[0] == b"painted":
    print("%.4f %.4f" % (wall, float(line[1])))' "$@" >>"$out/$name"
}

# gperiodic to its window being mapped: wall time only (its CPU goes on after that).
timedGperiodic() {
    start=$(date +%s.%N)
    "$gperiodic" >/dev/null 2>&1 &
    pid=$!
    # Its main window is titled GPeriodic; the hidden leader window is named gperiodic, and a
    # window of the run before may not be gone yet: the window looked for is this run's, where
    # xdotool can tell. Given up after 10 s, so that a run never hangs on a window that does
    # not come.
    tries=0
    until if command -v xdotool >/dev/null; then
        xdotool search --onlyvisible --pid "$pid" --name '^GPeriodic$' >/dev/null 2>&1
    else
        xwininfo -name GPeriodic 2>/dev/null | grep -q IsViewable
    fi; do
        tries=$((tries + 1))
        if [ "$tries" -gt 2000 ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            echo "gperiodic showed no window within 10 s: that run is left out" >&2
            return 0
        fi
        sleep 0.005
    done
    end=$(date +%s.%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$start $end" | awk '{ printf "%.3f -\n", $2 - $1 }' >>"$out/gperiodic"
}

# The program starts as the launcher starts it: in the user's folder, on the copy there of the
# shipped tables, brought up to them at each start; the copy is made by a first start, not
# counted, so that every start counted is the everyday one.
shipped="$here/share"
mkdir "$out/folder"
cd "$out/folder"
"$probe" --origine "$shipped" >/dev/null 2>&1 || { echo "the probe did not start" >&2; exit 1; }
: >"$out/gperiodic"
i=0
while [ "$i" -lt "$runs" ]; do
    timed mirelon "$probe" --origine "$shipped"
    timed floor "$floor"
    [ -z "$before" ] || timed before "$before" --origine "$shipped"
    [ -z "$gperiodic" ] || timedGperiodic
    i=$((i + 1))
done

# The median of the figures read, one a line (a run left out has none); "-" without any.
median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "-" }'; }
# Instructions to the end of the first frame: the probe has callgrind dump its count there (the
# part file ".1"). Under X the program forks, and the child writes files of its own: only the
# started process's are read.
instructions() {
    if command -v valgrind >/dev/null; then
        rm -f "$out"/callgrind.*
        valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.%p" "$@" >/dev/null 2>&1
        first=$(ls "$out"/callgrind.*.1 2>/dev/null | sort -t. -k2 -n | head -n 1)
        if [ -n "$first" ]; then
            awk '$1 == "totals:" { print $2 }' "$first"
        else
            echo "-"
        fi
    else
        echo "-"
    fi
}

# Resident memory in kB 2 s after start, and the shared libraries mapped then: "kB count".
resident() {
    MIRELON_PROBE_STAYS=1 "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    rss=$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status")
    libraries=$(awk '$6 ~ /\.so(\.|$)/ { print $6 }' "/proc/$pid/maps" | sort -u | wc -l)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "${rss:--} ${libraries:--}"
}

names="mirelon floor"
[ -z "$before" ] || names="mirelon before floor"
[ -z "$gperiodic" ] || names="$names gperiodic"
floorWall=$(cut -d' ' -f1 "$out/floor" | median)
floorCpu=$(cut -d' ' -f2 "$out/floor" | median)
floorCount=$(instructions "$floor")
floorResident=$(resident "$floor")
printf '%-10s %8s %6s %8s %6s %13s %6s %7s %6s %5s %6s\n' program wall/s ratio cpu/s ratio \
    instructions ratio rss/MB ratio libs ratio
for name in $names; do
    wall=$(cut -d' ' -f1 "$out/$name" | median)
    cpu=$(cut -d' ' -f2 "$out/$name" | median)
    case $name in
    mirelon) count=$(instructions "$probe" --origine "$shipped") &&
        kept=$(resident "$probe" --origine "$shipped") ;;
    before) count=$(instructions "$before" --origine "$shipped") &&
        kept=$(resident "$before" --origine "$shipped") ;;
    floor) count=$floorCount && kept=$floorResident ;;
    *) count="-" && kept="- -" ;;
    esac
    echo "$name $wall $cpu $count $kept $floorWall $floorCpu $floorCount $floorResident" | awk '
        function ratio(a, b) { return (a == "-" || b == "-" || b == 0) ? "-" : sprintf("%.2f", a / b) }
        function mb(kb) { return kb == "-" ? "-" : sprintf("%.1f", kb / 1024) }
        { printf "%-10s %8s %6s %8s %6s %13s %6s %7s %6s %5s %6s\n", $1, $2, ratio($2, $7), $3,
                 ratio($3, $8), $4, ratio($4, $9), mb($5), ratio($5, $10), $6, ratio($6, $11) }'
done
