#!/usr/bin/env bash
# Foilwright end to end, under a private X server with real key and mouse
# events: NACA 2412 opened through File > Open, the cursor swept across the
# plot and clicked at the stall, the stall's lift raised by 0.1 with a click
# on the digit, the polar view, the airfoil saved under a new name in the
# user's folder, a look at a flap, and File > Exit. Each step's screenshot goes to OUTDIR and
# is checked for what it must show.
#
#   tests/xvfb/foilwright.sh PROGRAM_DIR OUTDIR
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
saved="$home/.local/share/vortan/airfoils/NACA 2412 (more lift).afl"

FILE_X=22; PART_X=58; VIEW_X=94   # bar titles, pixel x of their middles
PLOT="#000000"; WHITE="#ffffff"
LIFT="#33cc33"; DRAG="#fc5959"; MOMENT="#fcfc00"   # each curve, over 0.2 % of the plot
PLOT_X0=250            # the plot's column of -20 deg; 10 columns a degree
# LSTALL, the lift at the stall: a signed field of 5 digits at (192, 85);
# its second digit (tenths) is 10..19 pixels in, its upper half adds one.
LSTALL_TENTHS_X=$((192 + 15)); LSTALL_UP_Y=$((85 + 8))

cd "$prog_dir"
launch foilwright
await_screen 20 01-untitled 6 250 5 405 430 "$PLOT" 80 "the black plot"   # after the start-up bar

menu $FILE_X 1 0   # File > Open
sleep 1
xdotool key --delay 20 --repeat 30 BackSpace
typein "NACA 2412 (popular).afl"
sleep 0.5
shot 02-open-dialog
expect_area 02-open-dialog 110 124 580 256 "$WHITE" 60 "the dialog's file list"
key Return
sleep 2
shot 03-naca-2412
expect_colours 03-naca-2412 6
for curve in "$LIFT lift" "$DRAG drag" "$MOMENT moment"; do
    expect_area 03-naca-2412 250 5 405 430 "${curve% *}" 0.2 "the ${curve#* } curve"
done

for deg in -15 -10 -5 0 5 10 15 20 15; do   # the read-out follows the cursor
    move $((PLOT_X0 + (deg + 20) * 10)) 200
    sleep 1
done
click $((PLOT_X0 + 350)) 200   # at 15 degrees, the stall
sleep 1
shot 04-cursor-at-the-stall
expect_area 04-cursor-at-the-stall 250 5 405 430 "$PLOT" 80 "the black plot"

click $LSTALL_TENTHS_X $LSTALL_UP_Y
sleep 1
shot 05-more-lift
expect_area 05-more-lift 250 5 405 430 "$PLOT" 80 "the black plot"

menu $VIEW_X 1 0   # View > Cd Cm VS. Cl
sleep 1
for deg in 0 4 8 12; do
    move $((PLOT_X0 + (deg + 20) * 10)) 200
    sleep 1
done
shot 06-polar
expect_area 06-polar 250 5 405 430 "$PLOT" 80 "the black plot"
menu $VIEW_X 0 0   # View > Cl Cd Cm VS. Alpha
sleep 1

mkdir -p "$(dirname "$saved")"
menu $FILE_X 3 0   # File > Save As
sleep 1
xdotool key --delay 20 --repeat 30 BackSpace
typein "$saved"
sleep 0.5
shot 07-save-as
key Return
sleep 1
# The constants line: Re, almin, almax, clB, clM, Lpow, then Lstall.
awk '/^constants:/ { exit !($8 == "1.660000") }' "$saved" || fail "no stall lift of 1.66 saved in $saved"

menu $PART_X 1 0   # Part > Flap: the default flap
sleep 1
for tenth in 2 4 6 8 10; do   # a flap's plot runs from none to full deflection
    move $((PLOT_X0 + tenth * 40)) 200
    sleep 1
done
shot 08-flap
expect_area 08-flap 250 5 405 430 "$PLOT" 80 "the black plot"
menu $FILE_X 4 1   # File > Exit
finish 5
echo "screenshots in $out"
