#!/bin/sh
# Remakes the reference pictures of the head-up display, the weather on
# the windscreen, the carrier and traffic from a build, with the art tool
# (scenarios beside this script), cut to the view each one shows.
#   sh docs/hud/make.sh
set -e
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
export VORTAN_PROGRAM_DIR="$top/build/program"
art="$top/build/tools/vortan_art"
tmp=$(mktemp -d)
shot() {   # name, scenario, crop, then the view's keys
    name=$1 scenario=$2 crop=$3
    shift 3
    "$art" view "$here/$scenario.txt" "$tmp/$name.png" "$@" >/dev/null
    convert "$tmp/$name.png" -crop "$crop" +repage PNG8:"$here/$name.png"
}
shot takeoff-hud takeoff 800x568+0+0 view=615 frames=3
shot thunderstorm cruise 800x235+0+0 view=603 base=3500 tops=12000 vis=10 rain=5 level=3 temp=70 strike=1 frames=30
shot snow cruise 800x235+0+0 view=603 base=3500 tops=12000 vis=6 rain=4 level=3 temp=20 frames=40
shot carrier-dusk carrier 800x235+0+0 start=carrier ahead=2600 view=602 time=2 zoom=2 frames=3
shot traffic cruise 800x235+0+0 view=601 traffic=1 zoom=2 frames=2
rm -rf "$tmp"
