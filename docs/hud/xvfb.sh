#!/bin/sh
# The Location menu's catapult shot in the running simulator under Xvfb:
# the first start answered, Location > Catshot, held on the deck with the
# prompt, then the space bar and the shot off the bow. Needs a build and
# /work/shared/tools/xshot.
#   sh docs/hud/xvfb.sh OUTDIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?OUTDIR}
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "$out/home"
XSHOT_HOME="$out/home" /work/shared/tools/xshot "$out/cat" "$top/build/program/vortan" \
    wait 3 move 400 300 wait 1 key Return wait 1 key Return wait 8 key Return wait 2 \
    key alt+l wait 1 key Up wait 0.5 shot menu key Return wait 4 shot held \
    key space wait 3 shot launched term >/dev/null
for s in menu held launched; do
    convert "$out/cat/$s.png" PNG8:"$here/xvfb-catshot-$s.png"
done
