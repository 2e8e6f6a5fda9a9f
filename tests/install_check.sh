#!/usr/bin/env bash
# Installs the build into a fresh prefix and flies a few seconds with the
# installed batch runner, which must find its aircraft and scenery in
# <prefix>/share/vortan through the link in <prefix>/bin.
#
#   tests/install_check.sh BUILD_DIR
set -eu
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
for f in bin/vortan bin/vortan-airwright bin/vortan-foilwright share/applications/vortan.desktop \
         share/icons/hicolor/32x32/apps/vortan.png share/vortan/Aircraft/Trainer.acf; do
    [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
printf 'aircraft Aircraft/Trainer.acf\nstart runway SFO 28R\nset throttle 1\noutput 1 t,kias\nrun 10\n' \
    >"$prefix/flight.scn"
cd / && "$prefix/bin/vortan-batch" "$prefix/flight.scn" | tail -n 1 | awk -F, '$2 > 20 { ok = 1 } END { exit !ok }' ||
    { echo "the installed runner did not fly"; exit 1; }
echo "installed and flown from $prefix"
