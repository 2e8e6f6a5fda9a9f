#!/usr/bin/env bash
# Airwright end to end, under a private X server with real key and mouse
# events: the trainer opened through File > Open, its wing's semi-span
# raised from 18 to 20 ft with two clicks on the digit, the 3-D view, the
# design saved under a new name in the user's folder, its performance table
# from the batch runner, and File > Exit. Each step's screenshot goes to
# OUTDIR and is checked for what it must show.
#
#   tests/xvfb/airwright.sh PROGRAM_DIR OUTDIR
#
# Needs xvfb-run, xdotool and ImageMagick; exits 77 (skipped) without them.
set -u
. "$(dirname "$0")/lib.sh"
if [ "${1:-}" != --inner ]; then
    prog_dir=$(cd "${1:?PROGRAM_DIR}" && pwd)
    xvfb_need xvfb-run xdotool import convert
    xvfb_outer "$0" "${2:?OUTDIR}" "$prog_dir"
    exit $?
fi
out=$2; home=$3; prog_dir=$4
saved=$home/.local/share/vortan/Aircraft/Longwing.acf

# Bar titles (pixel x of their middles) and the window colours.
FILE_X=22; STANDARD_X=70; VIEW_X=166; SPECIAL_X=211
BLUEPRINT="#264073"   # the main window's and the screens' sheet
WHITE="#ffffff"
TEXT="#fcfcfc"        # the table's text: a few lines of a message would be under 1 %
# Semi-span: the first field of the Wing 1 screen (at 16, 30 of its client
# area, which is centred: at 164, 126); its third digit, the units, is 20
# to 29 pixels into the field, and its upper half adds one.
WING_X=164; WING_Y=126; SPAN_UNITS_X=$((WING_X + 16 + 25)); SPAN_UP_Y=$((WING_Y + 30 + 8))

cd "$prog_dir"
launch airwright
await_screen 20 01-untitled 8 20 20 760 540 "$BLUEPRINT" 40 "the blueprint sheet"   # after the start-up bar

menu $FILE_X 1 0   # File > Open
sleep 1
shot 02-open-dialog
expect_area 02-open-dialog 110 124 580 256 "$WHITE" 60 "the dialog's file list"
xdotool key --delay 20 --repeat 30 BackSpace
typein Trainer.acf
key Return
sleep 2
shot 03-trainer
expect_colours 03-trainer 12

menu $SPECIAL_X 3 2   # Special > Performance Table: the batch runner flies it
await_area 30 04-performance-before 80 65 640 430 "$TEXT" 3 "the table's text"
expect_area 04-performance-before 80 65 640 430 "$BLUEPRINT" 50 "the Performance window"

click 40 560   # on the main window: the other windows close
sleep 1
menu $STANDARD_X 4 2   # Standard > Wing 1
sleep 1
click $SPAN_UNITS_X $SPAN_UP_Y
sleep 0.5
click $SPAN_UNITS_X $SPAN_UP_Y
sleep 1
shot 05-wing-1
expect_area 05-wing-1 $WING_X $WING_Y 472 348 "$BLUEPRINT" 30 "the Wing 1 screen"

click 40 560
sleep 1
menu $VIEW_X 3 0   # View > 3-D Quick: the design turns
sleep 5
shot 06-3d-view
expect_colours 06-3d-view 12

mkdir -p "$(dirname "$saved")"
menu $FILE_X 3 0   # File > Save As
sleep 1
xdotool key --delay 20 --repeat 30 BackSpace
typein "$saved"
sleep 0.5
shot 07-save-as
key Return
sleep 1
grep -q "^ *20.0 semi-span" "$saved" || fail "no 20 ft semi-span saved in $saved"

menu $SPECIAL_X 3 2   # Special > Performance Table of the new wing
await_area 30 08-performance-after 80 65 640 430 "$TEXT" 3 "the table's text"
expect_area 08-performance-after 80 65 640 430 "$BLUEPRINT" 50 "the Performance window"

menu $FILE_X 4 1   # File > Exit
finish 5
echo "screenshots in $out"
