#!/usr/bin/env bash
# Reference screenshots of the settings and chart windows: the simulator
# under a private X server (the shared xshot tool), each window opened from
# its menu with real clicks, one setting changed with a real click, then the
# flight with the change. Run from the repository after a build:
#
#   docs/windows/shots.sh XSHOT OUTDIR
#
# Client pixels: a window of w x h has its client at ((800 - w) / 2 + 3,
# (600 - h) / 2 + 3) under its frame and caption; menu titles and items are
# given as client pixels of the main window (menu bar rows are negative).
set -eu
xshot=${1:?path of the xshot tool}; out=${2:?OUTDIR}
menu() { echo click "$1" -10 wait 0.5 click "$2" "$3" wait 1.5; }   # title x, item centre
settings() { menu 130 195 "$1"; }
location() { menu 70 96 "$1"; }
output() { echo key alt+o; for _ in $(seq "$1"); do echo key Down; done; echo key Return wait 1.5; }   # by keys: the item n down
close_all() { echo key w wait 2; }   # a view command: every window closes and acts
steps=(
  wait 1.5 key Return wait 1 key Return wait 9 key Return wait 3 shot 00-flight
  # Time of day (183 x 128 at 308, 216): from dusk back to day.
  $(settings 34) click 456 289 wait 1 shot 06-time-of-day $(close_all) wait 2 shot 06-day
  # Weather (607 x 409 at 96, 75): heavy rain, the cloud base 2,000 ft lower.
  $(settings 58) click 210 165 click 210 165 click 210 165 click 289 252 click 289 252 wait 1 shot 07-weather
  $(close_all) wait 2 shot 07-weather-in-flight
  # Flight mode (349 x 335 at 225, 112): steering by the pedals.
  $(settings 82) click 493 390 wait 1 shot 08-flight-mode $(close_all)
  # Weights (436 x 252 at 182, 154): 1,000 lb more fixed load; closing warns.
  $(settings 106) click 231 226 wait 1 shot 09-weights $(close_all) shot 09-overweight-alert key Return wait 1
  # Reliability (683 x 558 at 58, 1): engine 1 inoperative; the engine stops.
  $(settings 130) click 674 157 click 674 157 wait 1 shot 10-reliability $(close_all) wait 4 shot 10-engine-failed
  # Sound (292 x 118 at 254, 221) and warnings (549 x 218 at 125, 171).
  $(settings 154) click 279 286 wait 1 shot 11-sound $(close_all)
  $(settings 178) click 150 278 wait 1 shot 12-warnings $(close_all)
  # Charts (region chart 581 x 494 at 109, 33): zoom in, then start where clicked.
  $(location 130) click 643 91 wait 2 shot 02-low-enroute-zoomed click 303 263 wait 3 shot 02-started-where-clicked
  $(location 146) shot 02-local-virtual-world $(close_all)
  $(output 3) shot 05-weather-radar-map $(close_all)
  $(output 5) wait 2 shot 15-isometric-region $(close_all)
  $(output 6) wait 1 shot 16-airport-chart $(close_all)
  # Go To Airport (158 x 428 at 321, 66): S, B, D, then the flight there.
  $(location 114) click 419 416 click 436 229 click 453 251 wait 1 shot 01-go-to-airport
  $(close_all) wait 3 shot 01-at-the-airport
  # Set Lat/Lon (246 x 165 at 277, 197): one degree east; then open sea, refused.
  $(location 178) click 442 294 wait 1 shot 04-lat-lon $(close_all) wait 3 shot 04-one-degree-east
  $(location 178) click 432 269 click 432 269 wait 1 $(close_all) shot 04-no-airports-refused key Return wait 1
  # United States (621 x 393 at 89, 83): Colorado.
  $(location 162) wait 1 shot 03-united-states click 287 259 wait 4 shot 03-colorado
  term
)
"$xshot" "$out" "$(pwd)/build/program/vortan" "${steps[@]}"
