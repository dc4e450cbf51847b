#!/bin/sh
# Writes src/table/startup-order.txt: the program's own functions that run from its start to the
# end of the main window's first frame, in the order of their names, which the link places
# together at the head of the program's code (see MIRELON_ORDER_STARTUP). Counted by callgrind
# on the start-up probe, which has callgrind dump its count at the end of its first frame; a
# function missing from the list (code changed since) only lies elsewhere, it still runs.
#
#   tools/startup-order.sh [build directory]
#
# The build directory (build-bench by default) must hold the startup_probe target.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build-bench}" && pwd)
probe="$build/bench/table/startup_probe"
[ -x "$probe" ] || { echo "no $probe: build the startup_probe target" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
command -v python3 >/dev/null || { echo "python3 is not installed" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The program starts as the launcher starts it, on the user's copy of the shipped tables in its
# working directory (made by a first start, not counted); its settings go to a scratch home.
mkdir "$out/folder"
cd "$out/folder"
export HOME="$out" QT_QPA_PLATFORM=offscreen
"$probe" --origine "$here/share" >/dev/null 2>&1 || { echo "the probe did not start" >&2; exit 1; }
valgrind --tool=callgrind --demangle=no --callgrind-out-file="$out/callgrind.%p" \
    "$probe" --origine "$here/share" >/dev/null 2>&1 || true
first=$(ls "$out"/callgrind.*.1 2>/dev/null | sort -t. -k2 -n | head -n 1)
[ -n "$first" ] || { echo "callgrind wrote no count at the first frame" >&2; exit 1; }

# Callgrind names each object (ob=) and function (fn=) in full once, then by number: the
# functions wanted are those whose costs are given under the probe's own object.
python3 - "$first" "$probe" "$here/src/table/startup-order.txt" <<'EOF'
import re, sys
counts, probe, target = sys.argv[1:]
names = {'ob': {}, 'fn': {}}
current = None
wanted = set()
line_form = re.compile(r'^(c?)(ob|fn)=\((\d+)\)(?: (.*))?$')
with open(counts, errors='replace') as lines:
    for line in lines:
        found = line_form.match(line.rstrip('\n'))
        if not found:
            continue
        called, kind, number, name = found.groups()
        if name:
            names[kind][number] = name
        if called:
            continue
        if kind == 'ob':
            current = names['ob'].get(number)
        elif current == probe:
            wanted.add(names['fn'][number])
# Symbols only: callgrind's "(below main)" and bare addresses name no function.
symbols = sorted(n for n in wanted if re.match(r'^[A-Za-z_][A-Za-z0-9_.$]*$', n))
if len(symbols) < 50:
    sys.exit('only %d functions of the program seen: the count is not of a start' % len(symbols))
with open(target, 'w') as out:
    out.write('\n'.join(symbols) + '\n')
print('%d functions written to %s' % (len(symbols), target))
EOF
