#!/bin/sh
# Draws the reference pictures of the instrument panel into docs/panel/:
# each default aircraft in the flight state its scenario leaves (the state
# is printed as CSV; trainer.png is layout 1 and helicopter.png layout 8),
# the other layouts of both dash types, and two panels lit
# at night. Run from the source tree after a build:  sh docs/panel/make.sh
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
art="$top/build/tools/vortan_art"
export VORTAN_PROGRAM_DIR="$top/build/program"
shot() {   # scenario, picture name, time of day, dash type, layout
    "$art" panel "$here/$1.txt" "$here/$2.png" "$3" "$4" "$5" | tail -n 1
    convert "$here/$2.png" -crop 800x370+0+230 +repage PNG8:"$here/$2.png"
}
for a in trainer twin jet seaplane helicopter; do
    echo "$a:"; shot $a $a 1
done
for l in 2 3 4 5 7; do shot trainer layout-classic-$l 1 1 $l >/dev/null; done
shot jet layout-classic-6 1 1 6 >/dev/null
for l in 1 2 4 5 7; do shot jet layout-glass-$l 1 2 $l >/dev/null; done
shot helicopter layout-glass-8 1 2 8 >/dev/null
shot twin night-classic 4 1 1 >/dev/null
shot jet night-glass 4 2 2 >/dev/null
