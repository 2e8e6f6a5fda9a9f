#!/bin/sh
# Tuning by clicking, under Xvfb with real mouse clicks: the trainer on the
# ILS final of San Francisco 28R (111.70) with NAV 1 set to 110.30 and both
# courses at 000 is loaded as a situation and paused; NAV 1's whole MHz and
# hundredths are clicked up to 111.70 and both course knobs down to 298;
# then it flies on. xvfb-ils-tuned.png is the paused panel after the clicks
# (the receivers have not run yet: NAV flags), xvfb-ils.png the panel two
# seconds later with both needles centred.
# Needs a build and /work/shared/tools/xshot.  sh docs/panel/ils.sh OUTDIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?OUTDIR}
mkdir -p "$out"
out=$(cd "$out" && pwd)
export VORTAN_PROGRAM_DIR="$top/build/program"
vortan="$top/build/program/vortan"
if [ ! -f "$out/home0/.config/vortan/Vortan.prf" ]; then
    XSHOT_HOME="$out/home0" /work/shared/tools/xshot "$out/first" "$vortan" \
        wait 4 key Return wait 1 type Aircraft/Trainer.acf key Return wait 3 key Return wait 2 key Return \
        wait 2 key Return wait 2 term >/dev/null
fi
printf 'aircraft Aircraft/Trainer.acf\nstart final SFO 28R ils\nrun 0\n' > "$out/ils.txt"
"$top/build/tools/vortan_art" situation "$out/ils.txt" "$out/ils.sit" >/dev/null
sed -i 's/^111 70 nav 1$/110 30 nav 1/' "$out/ils.sit"
rm -rf "$out/home"
cp -r "$out/home0" "$out/home"
# Pause (760, 259); NAV 1 MHz (602, 352) and hundredths (626, 352), upper
# halves; the NAV 1 course knob's left half (398, 395) and NAV 2's (150, 511).
steps="wait 4 key Return wait 1 key alt+f wait 1 key Down wait 0.5 key Return wait 1"
steps="$steps type $out/ils.sit key Return wait 0.5 click 760 259 wait 0.5 click 602 352"
for i in $(seq 8); do steps="$steps click 626 352"; done
for i in $(seq 62); do steps="$steps click 398 395 click 150 511"; done
steps="$steps wait 0.5 shot tuned click 760 259 wait 2 shot flying term"
XSHOT_HOME="$out/home" /work/shared/tools/xshot "$out/run" "$vortan" $steps >/dev/null
convert "$out/run/tuned.png" -crop 800x370+0+230 +repage PNG8:"$here/xvfb-ils-tuned.png"
convert "$out/run/flying.png" -crop 800x370+0+230 +repage PNG8:"$here/xvfb-ils.png"
