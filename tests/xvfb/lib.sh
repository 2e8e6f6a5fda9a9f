# Shared steps of the end-to-end scripts beside this file, which source it:
# a private X server with a fresh user folder, one program started in its
# own process group, real key and mouse events (xdotool) at client or
# menu-bar pixels, screenshots of the 800 x 600 client area with checks of
# what they show, and a clean end (status 0, nothing of the program left).
#
# A script calls xvfb_outer with its own path; that runs the script again
# as "SCRIPT --inner OUTDIR HOME ARGS..." under the server, where it calls
# launch, the input steps and finish.

# xvfb_need TOOL...: ends the script as skipped (77) when a tool is missing.
xvfb_need() {
    local t
    for t in "$@"; do command -v "$t" >/dev/null || { echo "skipped: $t is missing"; exit 77; }; done
}

# xvfb_outer SCRIPT OUTDIR [ARG...]: the script's inner run under a private
# X server, with HOME (and the XDG folders in their usual places under it)
# in a temporary folder removed afterwards, or in XVFB_HOME when that names
# one; SDL's sound goes to XVFB_AUDIO (dummy by default; "disk" writes
# HOME/sound.raw). Returns the inner run's status. Without a window
# manager the keyboard focus follows the pointer, and SDL drops a click
# that comes within 10 ms of the window taking the focus, as a click that
# only focuses it: a busy program reads both at once, so the hint keeps
# such clicks.
xvfb_outer() {
    local script=$1 out=$2 home status
    shift 2
    mkdir -p "$out" && out=$(cd "$out" && pwd) || return 1
    home=${XVFB_HOME:-$(mktemp -d)}
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share SDL_VIDEODRIVER=x11 \
        SDL_MOUSE_FOCUS_CLICKTHROUGH=1 SDL_AUDIODRIVER=${XVFB_AUDIO:-dummy} SDL_DISKAUDIOFILE=$home/sound.raw \
        xvfb-run -a -s '-screen 0 1024x768x24' bash "$script" --inner "$out" "$home" "$@"
    status=$?
    [ -z "${XVFB_HOME:-}" ] && rm -rf "$home"
    return $status
}

# Set by launch: the program's process (and group) id and the top left of
# its window on the X screen, where the 20-pixel menu bar starts.
pid=""
wx=""
wy=""
MENU_BAR_PX=20

fail() {
    echo "FAILED: $*"
    [ -n "$pid" ] && kill -9 -- "-$pid" 2>/dev/null
    exit 1
}

# launch PROGRAM: starts ./PROGRAM of the current folder in a process group
# of its own (so that whatever it starts can be found afterwards), output to
# OUTDIR/program.log, and waits up to 10 s for its window.
launch() {
    setsid "./$1" >"$out/program.log" 2>&1 &
    pid=$!
    local X="" Y="" win
    for _ in $(seq 100); do   # its first window handle may go again
        for win in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$win" 2>/dev/null)"
        done
        [ -n "$X" ] && break
        sleep 0.1
    done
    [ -n "$X" ] || fail "no window of $1"
    wx=$X
    wy=$Y
    move 400 300   # the pointer over the window gives it the keys (no window manager)
}

# Client pixels (below the menu bar), as the programs count them.
move() { xdotool mousemove $((wx + $1)) $((wy + MENU_BAR_PX + $2)); }
click() {
    move "$1" "$2"
    sleep 0.1
    xdotool click "${3:-1}"
}
key() { xdotool key "$@"; }
typein() { xdotool type --delay 60 "$1"; }

# menu TITLE_X ITEMS SEPARATORS: a click on the bar title at pixel TITLE_X,
# then on the item that has ITEMS items and SEPARATORS separators above it
# (items are 16 pixels high, separators 8, from 2 pixels below the bar).
menu() {
    xdotool mousemove $((wx + $1)) $((wy + 10))
    sleep 0.1
    xdotool click 1
    sleep 0.4
    xdotool mousemove $((wx + $1 + 12)) $((wy + MENU_BAR_PX + 10 + 16 * $2 + 8 * $3))
    sleep 0.2
    xdotool click 1
}

shot() { import -window root -crop "800x600+$wx+$((wy + MENU_BAR_PX))" +repage "$out/$1.png"; }

# expect_colours NAME MIN: the screenshot holds at least MIN distinct
# colours (a blank or half-drawn screen has a handful).
expect_colours() {
    colours_at_least "$1" "$2" || fail "$1.png has $n colours, fewer than $2"
}
colours_at_least() {
    n=$(convert "$out/$1.png" -format %k info:)
    [ "$n" -ge "$2" ]
}

# expect_area NAME X Y W H COLOUR PERCENT WHAT: at least PERCENT (decimals
# allowed) of the client rectangle X,Y,W,H of the screenshot is exactly
# COLOUR (an ImageMagick colour such as "#283c78"); WHAT names it in the
# failure.
expect_area() {
    area_shown "$@" || fail "$1.png: $8 not seen ($share % of the area is $6, wanted $7 %)"
}
area_shown() {
    share=$(convert "$out/$1.png" -crop "$4x$5+$2+$3" +repage -fill black +opaque "$6" \
        -fill white -opaque "$6" -format '%[fx:100*mean]' info:)
    awk -v s="$share" -v m="$7" 'BEGIN { exit !(s >= m) }'
}

# await_area SECONDS NAME X Y W H COLOUR PERCENT WHAT: as expect_area, on a
# screenshot taken again every half second until it passes (a start-up or
# a batch run that a loaded machine makes slower), for at most SECONDS.
await_area() { await_screen "$1" "$2" 1 "${@:3}"; }

# await_screen SECONDS NAME MIN_COLOURS X Y W H COLOUR PERCENT WHAT: as
# await_area, and the screenshot must also hold MIN_COLOURS colours: a
# window mapped but not yet drawn is one colour, which a plain area check
# on a black plot takes for the screen.
await_screen() {
    local limit=$(($1 * 2)) name=$2 least=$3 k
    shift 3
    for k in $(seq "$limit"); do
        shot "$name"
        area_shown "$name" "$@" && colours_at_least "$name" "$least" && return 0
        sleep 0.5
    done
    expect_area "$name" "$@"
    expect_colours "$name" "$least"
}

# finish WITHIN_S: the program ends by itself within WITHIN_S seconds, with
# status 0, and leaves no process of its group behind.
finish() {
    local k status
    for k in $(seq $(($1 * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running $1 s after it was told to end"
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
    pgrep -g "$pid" >/dev/null && fail "left running: $(pgrep -g "$pid" -a)"
    pid=""
    return 0
}
