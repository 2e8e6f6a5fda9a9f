#!/usr/bin/env bash
# A new user's first start of the simulator, under a private X server with
# real key and mouse events: an empty user folder, Enter on the first-start
# questions, full throttle on the keys, a take-off flown with the mouse, a
# view change, Exit; screenshots of each step go to OUTDIR. "quit" instead
# only checks that SIGTERM during the first-start dialog ends the program
# within a second, saving nothing (fast enough for the test suite). "atc"
# flies as "fly" does, but first opens the controller's menu with the space
# bar on the runway, asks for an ATIS, and checks that the sound output
# (SDL's disk driver) holds the spoken message.
#
#   tests/xvfb/first_flight.sh PROGRAM_DIR OUTDIR [fly|quit|atc]
#
# Needs xvfb-run, xdotool and (for fly and atc) ImageMagick's import, for atc
# also python3; exits 77 (skipped) when they are missing.
set -u
if [ "${1:-}" != --inner ]; then
    prog_dir=$(cd "${1:?PROGRAM_DIR}" && pwd); out=${2:?OUTDIR}; mode=${3:-fly}
    tools="xvfb-run xdotool"; [ "$mode" != quit ] && tools="$tools import"
    [ "$mode" = atc ] && tools="$tools python3"
    for t in $tools; do command -v "$t" >/dev/null || { echo "skipped: $t is missing"; exit 77; }; done
    mkdir -p "$out"; out=$(cd "$out" && pwd)
    home=$(mktemp -d); trap 'rm -rf "$home"' EXIT
    audio=dummy; [ "$mode" = atc ] && audio=disk
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=$audio \
        SDL_DISKAUDIOFILE=$home/sound.raw \
        xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" --inner "$prog_dir" "$out" "$mode" "$home"
    exit $?
fi
prog_dir=$2; out=$3; mode=$4; home=$5
prefs=$home/config/vortan/Vortan.prf
fail() { echo "FAILED: $*"; kill -9 "$pid" 2>/dev/null; exit 1; }

cd "$prog_dir"
./vortan >"$out/program.log" 2>&1 &
pid=$!
X=""
for _ in $(seq 100); do   # the window, within 10 s (its first handle may go again)
    for win in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$win" 2>/dev/null)"
    done
    [ -n "$X" ] && break
    sleep 0.1
done
[ -n "$X" ] || fail "no window"
cx=$X; cy=$((Y + 20))   # client area: below the 20-pixel menu bar
move() { xdotool mousemove $((cx + $1)) $((cy + $2)); }
key() { xdotool key "$@"; }
shot() { import -window root -crop "800x600+$cx+$cy" +repage "$out/$1.png"; }
move 400 300   # the pointer over the window gives it the keys (no window manager)

if [ "$mode" = quit ]; then
    sleep 0.5  # the welcome alert is up (a key sent earlier waits for it)
    key Return
    sleep 0.7  # the aircraft dialog is up
    t0=$(date +%s%N)
    kill -TERM "$pid"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    kill -0 "$pid" 2>/dev/null && fail "still running ${ms} ms after SIGTERM"
    wait "$pid"; status=$?
    echo "ended ${ms} ms after SIGTERM, status $status"
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ "$ms" -lt 1000 ] || fail "took ${ms} ms"
    [ ! -e "$prefs" ] || fail "preferences written"
    [ ! -e "$home/data/vortan/Error.out" ] || fail "an error was logged"
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
    move 100 44; xdotool click 1   # "Get ATIS..."
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
[ "$mode" = atc ] && atc_check
for _ in $(seq 12); do key F2; sleep 0.1; done
sleep 1
move 400 127   # the stick's centre
xdotool click 1   # the middle of the windshield: the mouse flies
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
key w
sleep 1
kill -TERM "$pid"   # as Exit: the preferences are saved
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
head -n 2 "$prefs" | tail -n 1 | grep -q "^40 version" || fail "no preferences saved"
[ "$mode" = atc ] && { speech_heard || fail "no speech in the sound output"; }
echo "screenshots in $out"
