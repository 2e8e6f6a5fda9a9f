#!/bin/sh
# Flies every figure scenario with vortan-batch and prints the measured
# figure of each: stall = lowest KIAS of steady power-off flight, climb = steady ft/min, takeoff =
# ground roll in ft, cruise = KTAS at 75 % of rated power.
# Usage: docs/scenarios/measure.sh [build/program/vortan-batch]
BATCH=${1:-build/program/vortan-batch}
DIR=$(dirname "$0")
fly() { "$BATCH" "$DIR/$1" 2>/dev/null; }

for ac in trainer:160 twin:360 jet:0 seaplane:450; do
    name=${ac%%:*}; hp=${ac##*:}
    printf '%s\n' "$name"
    for f in clean flaps; do
        fly "$name-stall-$f.txt" | awk -F, -v f="$f" 'NR > 1 && $7 == 1 && (m == "" || $1 < m) { m = $1 }
            END { printf "  stall %-5s %6.1f KIAS\n", f, m }'
    done
    fly "$name-climb.txt" | awk -F, 'NR == 2 { printf "  best climb  %6.0f ft/min at %.0f KIAS\n", $3, $2 }'
    # A water run counts from the first row (the floats drift while they
    # settle) to the row where no float is in the water any more.
    fly "$name-takeoff.txt" | awk -F, 'NR == 1 { for (k = 1; k <= NF; k++) c[$k] = k; next }
        NR == 2 && c["afloat"] { d0 = $c["dist_ft"] }
        !done && (c["afloat"] ? $c["afloat"] == 0 : $c["on_ground"] == 0 && $c["kias"] > 35) {
            printf "  %s %6.0f ft at %.0f KIAS\n", c["afloat"] ? "water run  " : "ground roll", $c["dist_ft"] - d0, $c["kias"]; done = 1 }'
    [ "$hp" -gt 0 ] && fly "$name-cruise.txt" | awk -F, -v p75="$((hp * 3 / 4))" '
        NR > 1 && $7 == 1 { if (n && !found && (pp - p75) * ($3 - p75) <= 0 && pp != $3) {
                     printf "  cruise 75%%  %6.1f KTAS\n", pv + ($2 - pv) * (p75 - pp) / ($3 - pp); found = 1 }
                 pv = $2; pp = $3; n++ }
        END { if (!found) printf "  cruise 75%%  not reached: %.0f KTAS at %.0f hp, the most in level flight\n", pv, pp }'
done
# Helicopter: level flight from the hover to the top speed at 1,000 ft.
# Top speed = the fastest steady level flight with the rotor at its
# governed rpm (the engine at or near full throttle); best climb = the
# power to spare there over the least power level flight takes, turned
# into climb at the published maximum weight (33,000 ft lb/min per hp).
printf 'helicopter\n'
fly helicopter-level.txt | awk -F, -v w=1370 -v rpm0=530 '
    NR == 1 { for (k = 1; k <= NF; k++) c[$k] = k; next }
    $c["trim_ok"] != 1 { next }
    { kias = $c["kias"]; hp = $c["power_hp"] }
    NR == 2 { printf "  hover        %6.1f hp at collective %.2f\n", hp, $c["collective"]; next }
    kias < 92 { printf "  level %3.0f KIAS %6.1f hp at collective %.2f, bank %.1f\n", kias, hp, $c["collective"], $c["roll"] }
    m == "" || hp < m { m = hp; mk = kias }
    $c["rpm"] > 0.99 * rpm0 && $c["ktas"] > top { top = $c["ktas"]; tophp = hp }
    END { printf "  top speed    %6.1f KTAS at %.1f hp\n", top, tophp
          printf "  best climb   %6.0f ft/min at %.0f KIAS (%.1f hp to spare)\n", (tophp - m) * 33000 / w, mk, tophp - m }'
