#!/bin/sh
# Screenshots of the running simulator under Xvfb, one per default
# aircraft in flight: the start the batch runner flies (docs/panel/air-*.txt)
# is written as a situation, the simulator loads it from the File menu and
# the panel is shot about a second later; the batch runner flies the same start and
# prints the state every half second to compare the gauges with.
# Needs a build and /work/shared/tools/xshot.  sh docs/panel/xvfb.sh OUTDIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?OUTDIR}
mkdir -p "$out"
export VORTAN_PROGRAM_DIR="$top/build/program"
# A first start makes the preferences (the factory start asks for an aircraft);
# every run starts from a copy of them, so each meets the same alerts.
if [ ! -f "$out/home0/.config/vortan/Vortan.prf" ]; then
    XSHOT_HOME="$out/home0" /work/shared/tools/xshot "$out/first" "$top/build/program/vortan" \
        wait 4 key Return wait 1 type Aircraft/Trainer.acf key Return wait 3 key Return wait 2 key Return \
        wait 2 key Return wait 2 term >/dev/null
fi
for a in trainer twin jet seaplane helicopter; do
    "$top/build/tools/vortan_art" situation "$here/air-$a.txt" "$out/$a.sit" >/dev/null
    rm -rf "$out/home"
    cp -r "$out/home0" "$out/home"
    XSHOT_HOME="$out/home" /work/shared/tools/xshot "$out/$a" "$top/build/program/vortan" \
        wait 4 key Return wait 1 key alt+f wait 1 key Down wait 0.5 key Return wait 1 \
        type "$out/$a.sit" key Return wait 0.3 shot loaded term >/dev/null
    convert "$out/$a/loaded.png" -crop 800x370+0+230 +repage PNG8:"$here/xvfb-$a.png"
    sed 's/^run 0$/output 4 t,kias,alt_ft,heading,rpm,vvi_fpm\nrun 2/' "$here/air-$a.txt" > "$out/$a-batch.txt"
    echo "$a:"; "$top/build/program/vortan-batch" "$out/$a-batch.txt"
done
