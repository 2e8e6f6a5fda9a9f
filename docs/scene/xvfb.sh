#!/bin/sh
# Screenshots of the out-the-window view of the running simulator under
# Xvfb at real airports: lined up on a large one's runway by day, at dusk
# with the lights on, at night and under an overcast, from the chase
# camera, and at night on a visual final to a smaller field (looking 8
# degrees down).
# Each start is written as a situation by the art tool and loaded from the
# File menu. Needs a build and /work/shared/tools/xshot.
#   sh docs/scene/xvfb.sh OUTDIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?OUTDIR}
mkdir -p "$out"
out=$(cd "$out" && pwd)
export VORTAN_PROGRAM_DIR="$top/build/program"
art="$top/build/tools/vortan_art"
# A first start makes the preferences (the factory start asks for an aircraft).
if [ ! -f "$out/home0/.config/vortan/Vortan.prf" ]; then
    XSHOT_HOME="$out/home0" /work/shared/tools/xshot "$out/first" "$top/build/program/vortan" \
        wait 4 key Return wait 1 type Trainer.acf key Return wait 3 key Return wait 2 key Return \
        wait 2 key Return wait 2 term >/dev/null
fi
# name, start, time of day, cloud base and tops (ft; above 18000 clear),
# visibility (nm), steps down the View menu
shoot() {
    "$art" situation "$here/$2.txt" "$out/$1.sit" "$3" "$4" "$5" "$6" >/dev/null
    rm -rf "$out/home"
    cp -r "$out/home0" "$out/home"
    view=""
    [ "$7" -gt 0 ] && view="key alt+v wait 0.5 $(for n in $(seq "$7"); do printf 'key Down '; done)key Return wait 1"
    # shellcheck disable=SC2086
    XSHOT_HOME="$out/home" /work/shared/tools/xshot "$out/$1" "$top/build/program/vortan" \
        wait 4 key Return wait 1 key alt+f wait 1 key Down wait 0.5 key Return wait 1 \
        type "$out/$1.sit" key Return wait 1 $view shot view term >/dev/null
    convert "$out/$1/view.png" -crop 800x214+0+17 +repage PNG8:"$here/$1.png"
}
shoot day runway 1 20001 20001 20 0
shoot dusk runway 2 20001 20001 20 0
shoot night runway 3 20001 20001 20 0
shoot overcast runway 1 1200 3000 5 0
shoot final final 3 20001 20001 20 2
shoot chase runway 1 20001 20001 20 8
