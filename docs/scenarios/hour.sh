#!/bin/bash
# Times a one-hour flight of every default aircraft with the batch runner,
# output at 10 Hz to a file, and prints the simulated seconds per
# wall-clock second of each, and per CPU second (user + system), which
# other work on the machine inflates far less.
# Usage: docs/scenarios/hour.sh [build/program/vortan-batch] [output folder]
BATCH=${1:-build/program/vortan-batch}
OUT=${2:-${TMPDIR:-/tmp}}
DIR=$(dirname "$0")
TIMEFORMAT='%R %U %S'
for ac in trainer twin jet helicopter seaplane; do
    t=$( { time "$BATCH" "$DIR/$ac-hour.txt" > "$OUT/$ac-hour.csv" 2> "$OUT/$ac-hour.err"; } 2>&1 )
    rows=$(($(wc -l < "$OUT/$ac-hour.csv") - 1))
    echo "$ac $t $rows" | awk '{ printf "%-10s %6.1f s wall %6.1f s CPU, %6d rows, %6.0f simulated s per wall s, %6.0f per CPU s\n",
        $1, $2, $3 + $4, $5, 3600 / $2, 3600 / ($3 + $4) }'
done
