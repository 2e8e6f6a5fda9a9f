#!/usr/bin/env bash
# Reference pictures of the data output under a private X server with real
# key and mouse events: rows chosen in "Set Data Output" (file, graph, live
# and the CSV), a take-off flown on the keys and the mouse, the graph
# window, the live readout, and the 3-D flight-path replay with the free
# camera. Checks that the take-off wrote Vortan.box and Vortan.csv.
#
#   bash docs/output/make.sh [PROGRAM_DIR [OUTDIR]]   (defaults build/program, docs/output)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
prog=$(cd "${1:-$here/../../build/program}" && pwd)
out=${2:-$here}
home=$(mktemp -d); trap 'rm -rf "$home"' EXIT
# Client pixel of row r's box b (0 file, 1 graph, 2 live) in "Set Data
# Output" (window 5, client origin 93, 103): the column's x, the line's y.
box() {
    python3 - "$1" "$2" <<'PY'
import sys
r, b = int(sys.argv[1]), int(sys.argv[2])
cols = [(0, 4, [3, 6, 10, 18]), (20, 236, [5, 9, 19]), (41, 430, [2, 9])]
for first, x, seps in reversed(cols):
    if r >= first:
        line, row = 0, first
        while True:
            if line not in seps:
                if row == r: break
                row += 1
            line += 1
        print(93 + x + 5 + 17 * b + 3, 103 + 34 + 15 * line + 5)
        break
PY
}
clicks=()
for rb in "2 0" "5 0" "5 1" "5 2" "15 0" "15 1" "15 2" "16 0" "16 1" "16 2" "23 0" "23 1" "25 0" "31 2"; do
    clicks+=(click $(box $rb) wait 0.2)
done
XSHOT_HOME=$home /work/shared/tools/xshot "$home/shots" "$prog/vortan" \
    wait 2 key Return wait 1.5 key Return wait 9 key Return wait 2 \
    move 400 300 key alt+s wait 0.5 key d wait 1 \
    "${clicks[@]}" click 533 365 wait 0.5 shot set-data-output \
    click 704 92 wait 1 \
    key F2 key F2 key F2 key F2 key F2 key F2 key F2 key F2 key F2 key F2 key F2 key F2 wait 1 \
    click 400 127 wait 12 move 405 165 wait 6 move 405 140 wait 10 shot flying-live-readout \
    key alt+o wait 0.5 key g wait 1.5 shot graph-window-start \
    click 205 478 wait 0.3 click 205 478 wait 0.3 click 450 250 wait 0.3 click 450 250 wait 0.5 \
    move 520 300 wait 0.2 shot graph-window \
    click 704 82 wait 1 move 400 110 click 400 110 wait 0.5 \
    key alt+o wait 0.5 key 3 wait 2 key c key c key c wait 2 shot replay-circling \
    key f wait 0.3 key f key f key f key f key f wait 1 shot replay-follow \
    click 694 92 wait 1 term
data=$home/.local/share/vortan
for f in Vortan.box Vortan.csv; do
    [ -s "$data/$f" ] || { echo "FAILED: $f not written"; exit 1; }
    echo "$f: $(wc -l <"$data/$f") lines"
done
head -n 3 "$data/Vortan.csv"
for n in set-data-output flying-live-readout graph-window-start graph-window replay-circling replay-follow; do
    [ -f "$home/shots/$n.png" ] && cp "$home/shots/$n.png" "$out/$n.png"
done
echo "pictures in $out"
