#!/bin/sh
# Times a one-hour flight of every default aircraft with the batch runner,
# output at 10 Hz to a file, and prints the simulated seconds per
# wall-clock second of each.
# Usage: docs/scenarios/hour.sh [build/program/vortan-batch] [output folder]
BATCH=${1:-build/program/vortan-batch}
OUT=${2:-${TMPDIR:-/tmp}}
DIR=$(dirname "$0")
for ac in trainer twin jet helicopter seaplane; do
    t0=$(date +%s.%N)
    "$BATCH" "$DIR/$ac-hour.txt" > "$OUT/$ac-hour.csv" 2> "$OUT/$ac-hour.err"
    status=$?
    t1=$(date +%s.%N)
    rows=$(($(wc -l < "$OUT/$ac-hour.csv") - 1))
    awk -v a="$ac" -v t0="$t0" -v t1="$t1" -v r="$rows" -v s="$status" 'BEGIN {
        printf "%-10s %6.1f s wall, %6d rows, %7.0f simulated s per wall s, exit %d\n",
               a, t1 - t0, r, 3600 / (t1 - t0), s }'
done
