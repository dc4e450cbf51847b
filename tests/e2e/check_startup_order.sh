#!/bin/sh
# The functions the program runs to its first picture lie together in its code, as the link is
# asked to place them, and the list still names the program's functions (a list gone stale, or
# a link that ignored it, brings nearly the whole program's code into memory at start again).
# Arguments: the program, the list (src/table/startup-order.txt).
set -eu
program="$1"
list="$2"
symbols=$(mktemp)
trap 'rm -f "$symbols"' EXIT
# address size type name, functions only, in decimal (awk reads no hexadecimal)
nm -S -t d --defined-only "$program" | awk 'NF == 4 && $3 ~ /^[tTwW]$/ { print $1, $2, $4 }' >"$symbols"
awk -v listed="$list" '
    BEGIN { while ((getline name < listed) > 0) wanted[name] = 1 }
    $3 in wanted && !($3 in seen) {
        seen[$3] = 1
        found++
        start = $1 + 0
        end = start + $2
        size += end - start
        if (low == "" || start < low) low = start
        if (end > high) high = end
    }
    END {
        total = length(wanted)
        status = 0
        if (found < 0.9 * total) {
            printf "FAIL: only %d of the %d listed functions are in the program: run tools/startup-order.sh\n", found, total
            status = 1
        }
        if (found > 0 && high - low > 2 * size) {
            printf "FAIL: the listed functions (%d bytes) are spread over %d bytes of code\n", size, high - low
            status = 1
        }
        if (status == 0) print "2 passed, 0 failed"
        exit status
    }' "$symbols"
