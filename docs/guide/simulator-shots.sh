#!/bin/bash
# Remakes the user guide's own screenshots (docs/guide/img/) from the real
# simulator under Xvfb, played with real keys and mouse moves: the menus,
# and an ILS approach to Los Angeles 25L flown on the autopilot.
# Needs a build (build/program) and /work/shared/tools/xshot.
#   bash docs/guide/simulator-shots.sh [BUILD_PROGRAM_DIR] [WORKDIR]
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
prog=$(cd "${1:-$top/build/program}" && pwd)
work=${2:-$(mktemp -d)}
mkdir -p "$work"
export VORTAN_PROGRAM_DIR=$prog
xshot=/work/shared/tools/xshot

# A first start (welcome, the trainer proposed, the joystick note) leaves
# preferences that every run below starts from.
XSHOT_HOME="$work/home0" $xshot "$work/first" "$prog/vortan" \
    wait 6 key Return wait 2 key Return wait 6 key Return wait 3 term >/dev/null
run() {   # run NAME STEP...: one start of the simulator from those preferences
    local name=$1; shift
    rm -rf "$work/home"; cp -r "$work/home0" "$work/home"
    XSHOT_HOME="$work/home" $xshot "$work/$name" "$prog/vortan" wait 6 key Return wait 4 "$@" term >/dev/null
}
keys() { local k n=$2; for _ in $(seq "$n"); do printf 'key %s ' "$1"; done; }

# Each menu of the bar, dropped down by Alt and its letter (Special shares
# its S with Settings: it is the one right of View).
run menus key alt+f wait 1 full menu-file key Escape key alt+l wait 1 full menu-location \
    key Escape key alt+s wait 1 full menu-settings key Escape key alt+o wait 1 full menu-output \
    key Escape key alt+v wait 1 full menu-view key Escape key alt+v key Right wait 1 full menu-special key Escape

# Location > ILS Final > Los Angeles International Airport > Rwy 25L, paused
# while both NAV radios go from 111.70 to 109.90 (MHz down twice, hundredths
# up four times) and NAV 2's course from 000 to 251 (n steps it down);
# then the autopilot's NAV 2, glide-slope and airspeed holds fly it down.
# shellcheck disable=SC2046
run ils key alt+l wait 1 move 95 49 wait 1 move 250 49 move 250 257 wait 1 full menu-ils-final \
    move 460 257 move 460 289 wait 0.5 click 460 289 wait 2 key p \
    $(keys shift+t 2) $(keys shift+i 4) $(keys shift+g 2) $(keys shift+k 4) $(keys n 109) \
    wait 1 shot ils-tuned key p wait 1 key shift+3 key shift+6 key shift+7 \
    wait 40 shot ils-coupled wait 318 shot ils-short-final
for f in menu-file menu-location menu-settings menu-output menu-view menu-special; do
    convert "$work/menus/$f.png" PNG8:"$here/img/$f.png"
done
convert "$work/ils/menu-ils-final.png" PNG8:"$here/img/menu-ils-final.png"
for f in ils-tuned ils-coupled ils-short-final; do
    convert "$work/ils/$f.png" PNG8:"$here/img/$f.png"
done

# The runway at 0.4 nm, drawn by the art tool from the same approach flown
# by the batch runner (the view alone, by day).
printf 'aircraft Aircraft/Trainer.acf\nstart final LAX 25L ils\ntune nav1 109.90\ntune nav2 109.90\nhold nav2\nhold glideslope\nhold speed 80\nrun 365\n' > "$work/lax365.txt"
"$top/build/tools/vortan_art" view "$work/lax365.txt" "$work/lax365.png" >/dev/null
convert "$work/lax365.png" -crop 800x230+0+0 +repage PNG8:"$here/img/ils-runway-ahead.png"
