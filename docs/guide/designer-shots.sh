#!/usr/bin/env bash
# The pictures of the designers' chapters of the user guide, made with real
# key and mouse events under a private X server (tests/xvfb/lib.sh): the
# worked examples of airwright.md and foilwright.md, on an installed copy
# run as a user who may not write into it, as after ./setup.sh install.
#
#   docs/guide/designer-shots.sh PROGRAM_FOLDER OUTDIR
#
# PROGRAM_FOLDER is an installed <prefix>/lib/vortan. Run it as that user
# (for example runuser -u nobody) with OUTDIR writable by them, and with
# XVFB_HOME naming a home folder of theirs to keep what was saved; the
# pictures are written as 8-bit PNGs. Needs xvfb-run, xdotool and
# ImageMagick.
set -u
. "$(dirname "$0")/../../tests/xvfb/lib.sh"
if [ "${1:-}" != --inner ]; then
    prog_dir=$(cd "${1:?PROGRAM_FOLDER}" && pwd)
    xvfb_need xvfb-run xdotool import convert
    xvfb_outer "$0" "${2:?OUTDIR}" "$prog_dir"
    exit $?
fi
out=$2; home=$3; prog_dir=$4
cd "$prog_dir"

# Bar titles (pixel x of their middles) and dialog rows.
FILE_X=22; PART_X=58; FW_VIEW_X=94
AW_STANDARD_X=70; AW_EXPERT_X=124; AW_VIEW_X=166; AW_SPECIAL_X=211
SIM_VIEW_X=226
row_y() { echo $((124 + 2 + $1 * 14 + 7)); }   # client y of file-list row N
pick_row() { click 200 "$(row_y "$1")"; sleep 0.3; }
open_row() { sleep 0.6; move 200 "$(row_y "$1")"; xdotool click --repeat 2 --delay 80 1; }   # a double click
erase() { xdotool key --delay 20 --repeat "$1" BackSpace; }
small() { convert "$out/$1.png" PNG8:"$out/$1.png"; }
snap() { shot "$1"; small "$1"; }

# ---- Foilwright: NACA 2412 with 0.1 more lift at the stall
launch foilwright
sleep 3
menu $FILE_X 1 0                      # File > Open
sleep 1
pick_row 9                            # NACA 2412 (popular).afl
snap fw-01-open
open_row 9
sleep 2
move 450 200                          # the cursor at 0 degrees
sleep 1
snap fw-02-naca-2412
click 599 200                         # at 14.9 degrees, the top of the lift curve
sleep 1
snap fw-03-at-the-stall
click $((192 + 15)) $((85 + 8))       # LSTALL: the tenths digit, upper half
sleep 1
snap fw-04-more-lift
menu $FW_VIEW_X 1 0                   # View > Cd Cm VS. Cl
sleep 1
move 550 200
sleep 1
snap fw-05-polar
menu $FW_VIEW_X 0 0
sleep 1
menu $FILE_X 3 0                      # File > Save As
sleep 1
erase 23
typein "NACA 2412 (more lift).afl"
sleep 0.5
snap fw-06-save-as
key Return
sleep 1
menu $PART_X 1 0                      # Part > Flap
sleep 1
move 650 200
sleep 1
snap fw-07-flap
menu $FILE_X 4 1                      # File > Exit
finish 5

# ---- Airwright: the trainer with a longer wing, saved as Longwing
launch airwright
sleep 3
menu $FILE_X 1 0                      # File > Open
sleep 1
pick_row 4                            # Trainer.acf
snap aw-01-open
open_row 4
sleep 2
snap aw-02-trainer
menu $AW_SPECIAL_X 3 2                # Special > Performance Table
sleep 10
snap aw-03-performance-trainer
click 40 560                          # on the main window: the table goes
sleep 1
menu $AW_STANDARD_X 4 2               # Standard > Wing 1
sleep 1
snap aw-04-wing-1-before
click 205 164                         # Semi-span: the units digit, upper half,
sleep 0.5
click 205 164                         # twice: 18.0 ft becomes 20.0 ft
sleep 1
snap aw-05-wing-1-after
click 40 560
sleep 1
menu $AW_VIEW_X 3 0                   # View > 3-D Quick
sleep 5
snap aw-06-3d
menu $FILE_X 3 0                      # File > Save As
sleep 1
erase 11
typein Longwing.acf
sleep 0.5
snap aw-07-save-as
key Return
sleep 1
menu $AW_SPECIAL_X 3 2                # Special > Performance Table
sleep 10
snap aw-08-performance-longwing
click 40 560
sleep 1
menu $AW_EXPERT_X 1 0                 # Expert > Wing 1: the sections
sleep 1
click 198 322                         # Root, low Re
sleep 1
pick_row 11                           # NACA 2412 (more lift).afl (yours)
snap aw-09-pick-airfoil
open_row 11
sleep 1
click 538 322                         # Tip, low Re
sleep 1
open_row 11
sleep 1
snap aw-10-expert-wing-1
menu $FILE_X 2 0                      # File > Save
sleep 1
menu $AW_SPECIAL_X 3 2
sleep 10
snap aw-11-performance-more-lift
menu $FILE_X 4 1                      # File > Exit
finish 5

# ---- the simulator, first start, on Longwing
launch vortan
sleep 2
key Return                            # the welcome
sleep 1
pick_row 6                            # Longwing.acf (yours)
snap sim-01-pick-longwing
key Return
sleep 8
key Return                            # the joystick note
sleep 2
for _ in $(seq 12); do key F2; sleep 0.1; done
click 400 127                         # the mouse flies
sleep 11
move 415 157                          # rotate
sleep 5
move 415 137                          # ease into the climb
sleep 3
snap sim-02-longwing-climbing
key a
sleep 2
snap sim-03-longwing-chase
menu $FILE_X 3 2                      # File > Exit
finish 5
echo "pictures in $out"
