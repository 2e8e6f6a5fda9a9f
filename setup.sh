#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vortan, builds it, and either starts the
# simulator (./setup.sh run), runs every test (./setup.sh test), or installs
# the programs under a prefix (./setup.sh install [PREFIX], /usr/local by
# default).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES="build-essential cmake ninja-build pkg-config git libsdl2-dev libpng-dev libgtest-dev libgmock-dev libbenchmark-dev libespeak-ng-dev xvfb xauth xdotool imagemagick procps python3"
JOBS=$(nproc 2>/dev/null || echo 2)

install_packages() {
    local missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}

# build DIR [cmake options...]
build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$JOBS"
}

case "${1:-run}" in
run)
    install_packages
    build build -DCMAKE_BUILD_TYPE=Release
    exec ./build/program/vortan
    ;;
test)
    install_packages
    build build -DCMAKE_BUILD_TYPE=Release
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --test-dir build --output-on-failure -j "$JOBS"
    echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    build build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTAN_SANITIZE=ON -DVORTAN_BENCH=OFF
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure -j "$JOBS"
    ;;
install)
    install_packages
    build build -DCMAKE_BUILD_TYPE=Release
    prefix=${2:-/usr/local}
    sudo=""
    mkdir -p "$prefix" 2>/dev/null || true
    [ -w "$prefix" ] || sudo="sudo"
    $sudo cmake --install build --prefix "$prefix"
    ;;
*)
    echo "usage: ./setup.sh run | test | install [PREFIX]" >&2
    exit 2
    ;;
esac
