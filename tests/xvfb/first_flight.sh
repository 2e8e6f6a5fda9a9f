#!/usr/bin/env bash
# A new user's first start of the simulator, under a private X server with
# real key and mouse events: an empty user folder, Enter on the first-start
# questions, full throttle on the keys, a take-off flown with the mouse, a
# view change, the View menu, File > Exit, each screenshot checked; screenshots of each step go to OUTDIR. "quit" instead
# only checks that SIGTERM during the first-start dialog ends the program
# within a second, saving nothing (fast enough for the test suite). "atc"
# flies as "fly" does, but first opens the controller's menu with the space
# bar on the runway, asks for an ATIS, and checks that the sound output
# (SDL's disk driver) holds the spoken message.
#
#   tests/xvfb/first_flight.sh PROGRAM_DIR OUTDIR [fly|quit|atc]
#
# Needs xvfb-run, xdotool and (for fly and atc) ImageMagick, for atc
# also python3; exits 77 (skipped) when they are missing.
set -u
. "$(dirname "$0")/lib.sh"
if [ "${1:-}" != --inner ]; then
    prog_dir=$(cd "${1:?PROGRAM_DIR}" && pwd); mode=${3:-fly}
    xvfb_need xvfb-run xdotool
    [ "$mode" != quit ] && xvfb_need import convert
    [ "$mode" = atc ] && { xvfb_need python3; XVFB_AUDIO=disk; }
    xvfb_outer "$0" "${2:?OUTDIR}" "$prog_dir" "$mode"
    exit $?
fi
out=$2; home=$3; prog_dir=$4; mode=$5
prefs=$home/.config/vortan/Vortan.prf
PANEL="#2e2e2e"   # the panel's metal, a third of its area and more

cd "$prog_dir"
launch vortan

if [ "$mode" = quit ]; then
    sleep 0.5  # the welcome alert is up (a key sent earlier waits for it)
    key Return
    sleep 0.7  # the aircraft dialog is up
    t0=$(date +%s%N)
    kill -TERM "$pid"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    echo "ended ${ms} ms after SIGTERM"
    finish 1
    [ "$ms" -lt 1000 ] || fail "took ${ms} ms"
    [ ! -e "$prefs" ] || fail "preferences written"
    [ ! -e "$home/.local/share/vortan/Error.out" ] || fail "an error was logged"
    exit 0
fi

# The controller's menu over the runway view (the menu's rows are 10 pixels
# from row 19; the list's first entry sits at its top left), then the first
# airport's ATIS, heard in the sound written by the disk driver: the 16-bit
# stereo samples at 22050 Hz while the message plays must be well above the
# engine's idle sound just before.
atc_check() {
    mark() { stat -c %s "$home/sound.raw"; }
    key space
    sleep 1
    shot 09-atc-menu
    click 100 44   # "Get ATIS..."
    sleep 1
    move 60 24
    sleep 0.5
    shot 10-atis-list
    before=$(mark)
    xdotool click 1
    sleep 1.5
    shot 11-atis-message
    sleep 12
    after=$(mark)
}
speech_heard() {
    python3 - "$home/sound.raw" "$before" "$after" <<'PY'
import array, math, sys
raw = open(sys.argv[1], 'rb').read()
before, after = int(sys.argv[2]), int(sys.argv[3])
def rms(a, b):
    s = array.array('h', raw[a - a % 4:b - b % 4])
    return math.sqrt(sum(v * v for v in s) / max(len(s), 1))
second = 22050 * 4
idle = rms(max(0, before - 2 * second), before)
loud = sum(rms(before + k * second // 2, before + (k + 1) * second // 2) > 1.5 * idle + 200
           for k in range((after - before) * 2 // second))
print("idle rms %.0f, half-seconds with speech %d of %d" % (idle, loud, (after - before) * 2 // second))
sys.exit(0 if loud >= 6 else 1)
PY
}

sleep 1.5
shot 01-welcome
key Return
sleep 1
shot 02-aircraft-dialog
key Return
sleep 8        # region, aircraft, then the joystick note
shot 03-no-joystick
key Return
sleep 2
shot 04-on-the-runway
expect_colours 04-on-the-runway 25
expect_area 04-on-the-runway 0 270 800 330 "$PANEL" 30 "the instrument panel"
menu 226 8 1   # View > [A] Chase: the trainer on the runway from behind
sleep 2
shot 04-chase-on-the-runway
expect_colours 04-chase-on-the-runway 25
menu 226 0 0   # View > [W] Forwards
sleep 1
[ "$mode" = atc ] && atc_check
for _ in $(seq 12); do key F2; sleep 0.1; done
sleep 1
click 400 127   # the middle of the windshield (the stick's centre): the mouse flies
sleep 2
shot 05-full-throttle
sleep 10
move 415 157   # stick back 0.3, a touch of right against the engine's turn
sleep 4
shot 06-rotation
sleep 4
move 415 142   # ease the climb
sleep 3
shot 07-climbing
key a
sleep 2
shot 08-chase-view
expect_colours 08-chase-view 25
expect_area 08-chase-view 0 270 800 330 "$PANEL" 30 "the instrument panel"
key w
sleep 1
menu 22 3 2    # File > Exit: the preferences are saved
finish 5
head -n 2 "$prefs" | tail -n 1 | grep -q "^40 version" || fail "no preferences saved"
[ "$mode" = atc ] && { speech_heard || fail "no speech in the sound output"; }
echo "screenshots in $out"
