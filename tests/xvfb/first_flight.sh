#!/usr/bin/env bash
# A new user's first start of the simulator, under a private X server with
# real key and mouse events: an empty user folder, Enter on the first-start
# questions, full throttle on the keys, a take-off flown with the mouse, a
# view change, Exit; screenshots of each step go to OUTDIR. "quit" instead
# only checks that SIGTERM during the first-start dialog ends the program
# within a second, saving nothing (fast enough for the test suite).
#
#   tests/xvfb/first_flight.sh PROGRAM_DIR OUTDIR [fly|quit]
#
# Needs xvfb-run, xdotool and (for fly) ImageMagick's import; exits 77
# (skipped) when they are missing.
set -u
if [ "${1:-}" != --inner ]; then
    prog_dir=$(cd "${1:?PROGRAM_DIR}" && pwd); out=${2:?OUTDIR}; mode=${3:-fly}
    tools="xvfb-run xdotool"; [ "$mode" = fly ] && tools="$tools import"
    for t in $tools; do command -v "$t" >/dev/null || { echo "skipped: $t is missing"; exit 77; }; done
    mkdir -p "$out"; out=$(cd "$out" && pwd)
    home=$(mktemp -d); trap 'rm -rf "$home"' EXIT
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
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
echo "screenshots in $out"
