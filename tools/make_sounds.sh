#!/usr/bin/env bash
# Makes the 22 sound recordings in data/sounds/ that the simulator plays: engine,
# wind and stall loops, effects, marker tones and voice callouts, each a plain
# PCM WAVE file, 22050 Hz, 16-bit, mono. Needs sox and espeak-ng (authoring
# time only). Run from anywhere:  tools/make_sounds.sh
# A second run gives byte-identical files (sox -R fixes the noise seeds).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dest=$root/data/sounds
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

readonly RATE=22050
readonly LOOP_ENGINE=$((2 * RATE)) # engine and wind loops: 2 s
readonly LOOP_STALL=$RATE          # stall horn loop: 1 s
readonly MAX_TOTAL_BYTES=1500000   # keep the shipped folder small

fail() {
    echo "make_sounds: $*" >&2
    exit 1
}

for tool in sox soxi espeak-ng od stat; do
    command -v "$tool" >/dev/null || fail "$tool is needed"
done

# Runs sox with fixed seeds; any warning (clipping above all) stops the script.
run_sox() {
    if ! sox -R -V2 "$@" 2>"$tmp/sox.err" || [[ -s $tmp/sox.err ]]; then
        cat "$tmp/sox.err" >&2
        fail "sox $* failed or warned"
    fi
}

# gen NAME EFFECTS...: a new intermediate sound made by the effects (synth...)
gen() {
    local name=$1
    shift
    run_sox -r "$RATE" -c 1 -n -t sox "$tmp/$name.sox" "$@"
}

# fx IN OUT EFFECTS...: intermediate OUT is IN through the effects
fx() {
    local in=$1 out=$2
    shift 2
    run_sox "$tmp/$in.sox" -t sox "$tmp/$out.sox" "$@"
}

# mix OUT FACTOR NAME [FACTOR NAME]...: weighted sum of equal-rate sounds
mix() {
    local out=$1
    shift
    local args=()
    while (($# > 0)); do
        args+=(-v "$1" "$tmp/$2.sox")
        shift 2
    done
    run_sox -m "${args[@]}" -t sox "$tmp/$out.sox"
}

# cat_sounds OUT NAME...: the sounds one after the other
cat_sounds() {
    local out=$1
    shift
    local args=()
    for name in "$@"; do args+=("$tmp/$name.sox"); done
    run_sox "${args[@]}" -t sox "$tmp/$out.sox"
}

samples() { soxi -s "$tmp/$1.sox"; }

# loop IN OUT LEN EFFECTS...: IN is one period of LEN samples; OUT is that
# period through the effects in steady state. Filtering three copies and
# keeping the last means the filters see a periodic input, so OUT joins its
# own start without a seam, noise included. OUT peaks at -6 dBFS, so mixes of
# loops weigh parts by their peaks.
loop() {
    local in=$1 out=$2 len=$3
    shift 3
    [[ $(samples "$in") == "$len" ]] || fail "$in is not $len samples long"
    run_sox "$tmp/$in.sox" -t sox "$tmp/$out.sox" repeat 2 gain -6 "$@" \
        trim "$((2 * len))s" "${len}s" gain -n -6
}

# One unsigned little-endian field of a file: u16 BYTES FILE OFFSET
field() { od -A n --endian=little -t "u$1" -j "$3" -N "$1" "$2" | tr -d ' '; }
tag() { od -A n -c -j "$2" -N 4 "$1" | tr -d ' '; }

# Fails unless FILE is RIFF/WAVE with a plain 16-byte PCM "fmt " chunk
# (format tag 1, never the extensible form), 22050 Hz, 16-bit mono, followed
# directly by the "data" chunk, with both chunk sizes matching the file size.
check_wave() {
    local f=$1 size
    size=$(stat -c %s "$f")
    [[ $(tag "$f" 0) == RIFF && $(tag "$f" 8) == WAVE ]] || fail "$f: not RIFF/WAVE"
    [[ $(field 4 "$f" 4) == $((size - 8)) ]] || fail "$f: RIFF size wrong"
    [[ $(tag "$f" 12) == 'fmt' ]] || fail "$f: no fmt chunk first"
    [[ $(field 4 "$f" 16) == 16 ]] || fail "$f: fmt chunk is not 16 bytes"
    [[ $(field 2 "$f" 20) == 1 ]] || fail "$f: format tag is not 1 (PCM)"
    [[ $(field 2 "$f" 22) == 1 ]] || fail "$f: not mono"
    [[ $(field 4 "$f" 24) == "$RATE" ]] || fail "$f: not $RATE Hz"
    [[ $(field 4 "$f" 28) == $((RATE * 2)) ]] || fail "$f: byte rate wrong"
    [[ $(field 2 "$f" 32) == 2 && $(field 2 "$f" 34) == 16 ]] || fail "$f: not 16-bit"
    [[ $(tag "$f" 36) == data ]] || fail "$f: data chunk does not follow fmt"
    [[ $(field 4 "$f" 40) == $((size - 44)) ]] || fail "$f: data size wrong"
    ((size > 44)) || fail "$f: no samples"
}

# emit IN FILE PEAK_DB: normalise IN to the peak level and write the shipped file
emit() {
    local in=$1 file=$2 peak=$3
    run_sox -D "$tmp/$in.sox" -t wavpcm -r "$RATE" -c 1 -b 16 -e signed-integer \
        "$dest/$file" gain -n "$peak"
    check_wave "$dest/$file"
}

# ---- engine and wind loops --------------------------------------------------
# Recorded at full engine speed; the program plays them at (speed fraction) x
# 22050 Hz, so idle comes out pitched down. Every tone is a whole number of
# periods in the 2 s loop (a multiple of 0.5 Hz).

# Noise of a colour, LEN samples, starting OFFSET samples into the fixed noise
# sequence, so two noise parts of one sound are not the same samples.
noise() {
    local name=$1 colour=$2 len=$3 offset=$4
    gen "$name" synth "$((len + offset))s" "$colour" trim "${offset}s" gain -6
}

# Rotor blade slap at RATE_HZ per second: bursts of low noise, each a sharp
# attack and a fast exponential decay (exp wave, one burst per cycle).
blade_slap() {
    local name=$1 rate_hz=$2 offset=$3
    noise "${name}_n" brownnoise "$LOOP_ENGINE" "$offset"
    fx "${name}_n" "${name}_e" synth "$LOOP_ENGINE"s exp amod "$rate_hz" 0 0 4 16
    loop "${name}_e" "$name" "$LOOP_ENGINE" highpass 40 lowpass 1200 lowpass 1800 \
        equalizer 200 1.2q 6
}

# Piston note: FIRING_HZ exhaust pulses (four cylinders: one cycle of two
# turns is FIRING_HZ/4) with the prop or rotor fundamental, some uneven firing
# from cylinder to cylinder, and a little intake and mechanical noise.
piston_note() {
    local name=$1 firing=$2 offset=$3
    local cycle half
    cycle=$(awk -v f="$firing" 'BEGIN { print f / 4 }')
    half=$(awk -v f="$firing" 'BEGIN { print f / 2 }')
    gen "${name}_fire" synth "$LOOP_ENGINE"s sawtooth "$firing" \
        synth "$LOOP_ENGINE"s sine amod "$cycle" 55
    gen "${name}_half" synth "$LOOP_ENGINE"s square "$half" 0 0 20
    gen "${name}_prop" synth "$LOOP_ENGINE"s sine "$firing"
    noise "${name}_hiss" pinknoise "$LOOP_ENGINE" "$offset"
    mix "${name}_sum" 0.45 "${name}_fire" 0.2 "${name}_half" 0.3 "${name}_prop" \
        0.2 "${name}_hiss"
    loop "${name}_sum" "$name" "$LOOP_ENGINE" highpass 30 lowpass 1400 lowpass 2500 \
        equalizer "$firing" 1q 3 overdrive 4 10
}

# Turbine whine: a compressor tone and its beat partner, with the second
# harmonic quieter, and a band of turbine hiss.
turbine_whine() {
    local name=$1 tone=$2 offset=$3
    gen "${name}_a" synth "$LOOP_ENGINE"s sine "$tone"
    gen "${name}_b" synth "$LOOP_ENGINE"s sine "$((tone + 7))"
    gen "${name}_c" synth "$LOOP_ENGINE"s sine "$((tone * 2))"
    noise "${name}_n" whitenoise "$LOOP_ENGINE" "$offset"
    loop "${name}_n" "${name}_hiss" "$LOOP_ENGINE" highpass 2500 lowpass 7000
    mix "$name" 0.3 "${name}_a" 0.12 "${name}_b" 0.08 "${name}_c" 0.35 "${name}_hiss"
}

make_engines() {
    # 0: four-cylinder piston aeroplane at 2700 rpm fires at 90 Hz; the
    # two-blade prop passes at 90 Hz too.
    piston_note recip 90 1000
    noise rumble_n brownnoise "$LOOP_ENGINE" 70000
    loop rumble_n rumble "$LOOP_ENGINE" highpass 25 lowpass 300 lowpass 300
    mix recip_all 0.85 recip 0.3 rumble
    emit recip_all VP_RECIP.WAV -6

    # 1: turboprop: four-blade prop at 1980 rpm buzzes at 132 Hz, plus whine.
    gen tp_saw synth "$LOOP_ENGINE"s sawtooth 132
    gen tp_sine synth "$LOOP_ENGINE"s sine 132
    mix tp_blade_sum 0.4 tp_saw 0.4 tp_sine
    loop tp_blade_sum tp_blade "$LOOP_ENGINE" lowpass 1500 lowpass 2200 overdrive 3 10
    turbine_whine tp_whine 3100 5000
    noise tp_roar_n pinknoise "$LOOP_ENGINE" 90000
    loop tp_roar_n tp_roar "$LOOP_ENGINE" highpass 80 lowpass 1800
    mix tp_all 0.6 tp_blade 0.25 tp_whine 0.3 tp_roar
    emit tp_all VP_TURBO.WAV -6

    # 2: jet: broadband exhaust roar with a high compressor whine and a fan tone.
    noise jet_n1 pinknoise "$LOOP_ENGINE" 11000
    loop jet_n1 jet_roar "$LOOP_ENGINE" highpass 60 lowpass 2500 equalizer 500 1.5q 5
    noise jet_n2 brownnoise "$LOOP_ENGINE" 23000
    loop jet_n2 jet_rumble "$LOOP_ENGINE" highpass 25 lowpass 400
    turbine_whine jet_whine 4800 37000
    gen jet_fan synth "$LOOP_ENGINE"s sine 1210
    mix jet_all 0.55 jet_roar 0.35 jet_rumble 0.15 jet_whine 0.04 jet_fan
    emit jet_all VP_JET.WAV -6

    # 3: piston helicopter: 88 Hz engine note under a two-blade slap, 6 a second.
    piston_note hrecip 88 47000
    blade_slap hrecip_slap 6 61000
    mix hrecip_all 0.3 hrecip 0.9 hrecip_slap
    emit hrecip_all VR_RECIP.WAV -6

    # 4: turbine helicopter: turbine whine and gearbox hum under a slap, 5 a second.
    turbine_whine hturbo_whine 3500 53000
    gen hturbo_hum synth "$LOOP_ENGINE"s sine 410
    blade_slap hturbo_slap 5 83000
    mix hturbo_all 0.3 hturbo_whine 0.06 hturbo_hum 0.9 hturbo_slap
    emit hturbo_all VR_TURBO.WAV -6
}

# 5: wind: band-limited rush with a slow swell (0.5 Hz: one per loop).
make_wind() {
    noise wind_n pinknoise "$LOOP_ENGINE" 5000
    fx wind_n wind_swell synth "$LOOP_ENGINE"s sine amod 0.5 60
    loop wind_swell wind "$LOOP_ENGINE" highpass 120 highpass 120 lowpass 2500 \
        equalizer 700 1q 4
    emit wind WIND.WAV -6
}

# 21: stall horn: a reedy 440 Hz buzz (narrow pulse plus sawtooth octave),
# whole periods in a 1 s loop.
make_stall() {
    gen stall_p synth "$LOOP_STALL"s square 440 0 0 30
    gen stall_s synth "$LOOP_STALL"s sawtooth 880
    mix stall_sum 0.5 stall_p 0.2 stall_s
    loop stall_sum stall "$LOOP_STALL" highpass 200 lowpass 3000 equalizer 1300 1q 4 \
        overdrive 6 10
    emit stall stall.wav -6
}

# ---- effects ------------------------------------------------------------------

# decay NAME DB: the named sound times an exponential decay falling about DB
# over its whole length after a 1% rise (one cycle of sox's exp wave).
decay() {
    local name=$1 db=$2
    local hz
    hz=$(awk -v n="$(samples "$name")" -v r="$RATE" 'BEGIN { printf "%.6f", r / n }')
    fx "$name" "${name}_d" synth 0 exp amod "$hz" 0 0 1 "$((db / 2))"
}

make_thunder() {
    # Crack: a short bright burst; rumble: low noise rolling in a few swells,
    # fading over 3.5 s.
    noise th_c whitenoise $((RATE / 4)) 3000
    fx th_c th_crack highpass 300 lowpass 4000
    decay th_crack 60
    fx th_crack_d th_crack_p pad 0 3.25
    noise th_r brownnoise $((RATE * 7 / 2)) 9000
    fx th_r th_roll lowpass 260 lowpass 260 synth 3.5 sine amod 1.3 40 \
        synth 3.5 sine amod 0.45 50
    decay th_roll 30
    mix th_all 0.35 th_crack_p 0.9 th_roll_d
    fx th_all th_out highpass 25 fade t 0.005 -0 0.3
    emit th_out THUNDER.WAV -3
}

make_gear_actuator() {
    # Electric pump motor spinning up and running, then the clunk of the
    # gear locking.
    gen ga_motor synth 1.25 sawtooth 170:240 synth 1.25 sine mix 1360:1920
    noise ga_h pinknoise $((RATE * 5 / 4)) 15000
    fx ga_h ga_hiss bandpass 1500 1q
    mix ga_run 0.5 ga_motor 0.25 ga_hiss
    fx ga_run ga_run_f lowpass 3000 fade q 0.12 -0 0.04 pad 0 0.4
    noise ga_k brownnoise $((RATE * 2 / 5)) 21000
    gen ga_thump synth 0.4 sine 70:50
    mix ga_k_sum 0.6 ga_k 0.6 ga_thump
    fx ga_k_sum ga_klunk highpass 30 lowpass 700
    decay ga_klunk 50
    fx ga_klunk_d ga_klunk_p pad 1.25 0
    mix ga_all 0.6 ga_run_f 0.9 ga_klunk_p
    emit ga_all GEARACT.WAV -3
}

make_squeak() {
    # A tyre chirp: a falling tone with an octave, roughened by noise.
    gen sq_t synth 0.3 sine 2100:1500 synth 0.3 sine amod 35 60
    gen sq_o synth 0.3 sine 4200:3000
    noise sq_n whitenoise $((RATE * 3 / 10)) 27000
    fx sq_n sq_nf bandpass 2000 2q
    mix sq_all 0.5 sq_t 0.15 sq_o 0.2 sq_nf
    fx sq_all sq_out fade q 0.01 -0 0.15
    emit sq_out SQUEAK.WAV -3
}

make_boom() {
    # Crash: a low thump and a crunching broadband burst, decaying over 1.5 s.
    noise bm_n brownnoise $((RATE * 3 / 2)) 31000
    noise bm_w whitenoise $((RATE * 3 / 2)) 33000
    fx bm_w bm_crunch lowpass 3500 overdrive 20
    gen bm_thump synth 1.5 sine 55:35
    mix bm_sum 0.6 bm_n 0.25 bm_crunch 0.5 bm_thump
    fx bm_sum bm_f lowpass 2500 highpass 25
    decay bm_f 50
    emit bm_f_d BOOM.WAV -3
}

# A bell-like tone: FREQ with a soft octave, LEN_S long, decaying.
chime() {
    local name=$1 freq=$2 len=$3
    gen "$name" synth "$len" sine "$freq" synth "$len" sine mix "$((freq * 2))"
    decay "$name" 30
    fx "${name}_d" "${name}_f" fade t 0.003 -0 0.02
}

make_tones() {
    # Marker beacon: 1300 Hz, dot 0.1 s and dash 0.35 s, short ramps against clicks.
    gen dot synth 0.1 sine 1300 fade t 0.004 -0 0.004
    emit dot dot.wav -6
    gen dash synth 0.35 sine 1300 fade t 0.004 -0 0.004
    emit dash dash.wav -6

    # Alert box: a high then a low chime, 0.45 s in all.
    chime al_hi 880 0.2
    chime al_lo 660 0.25
    cat_sounds al_all al_hi_f al_lo_f
    emit al_all ALERT.WAV -3
}

# ---- voice callouts -----------------------------------------------------------

# voice NAME TEXT: fixed voice, speed and pitch so every run says it the same
# way; trimmed of silence and ramped at both ends.
voice() {
    local name=$1 text=$2
    espeak-ng -v en-us -s 190 -p 45 -a 150 -w "$tmp/$name.raw.wav" "$text" ||
        fail "espeak-ng failed on \"$text\""
    run_sox "$tmp/$name.raw.wav" -t sox "$tmp/$name.trim.sox" rate "$RATE" gain -6 highpass 70 \
        silence 1 0.005 -42d reverse silence 1 0.005 -42d reverse
    fx "$name.trim" "$name" fade t 0.005 -0 0.015
}

make_voices() {
    local entry file text
    for entry in \
        "SINKRATE.WAV|sink rate" "PULLUP.WAV|pull up" "GEAR.WAV|too low, gear" \
        "TERRAIN.WAV|terrain" "GLIDESLP.WAV|glide slope" "MINIMUMS.WAV|minimums" \
        "WNDSHEAR.WAV|wind shear"; do
        file=${entry%%|*}
        text=${entry#*|}
        voice v_out "$text"
        emit v_out "$file" -3
    done

    # Caution: a short master-caution chime, then the word.
    voice v_caution "caution"
    chime ca_chime 740 0.22
    fx ca_chime_f ca_chime_g gain -n -4 pad 0 0.06
    fx v_caution v_caution_g gain -n -1
    cat_sounds ca_all ca_chime_g v_caution_g
    emit ca_all CAUTION.WAV -3
}

# ---- run --------------------------------------------------------------------

mkdir -p "$dest"
make_engines
make_wind
make_stall
make_thunder
make_gear_actuator
make_squeak
make_boom
make_tones
make_voices

total=0
for f in VP_RECIP.WAV VP_TURBO.WAV VP_JET.WAV VR_RECIP.WAV VR_TURBO.WAV WIND.WAV \
    THUNDER.WAV GEARACT.WAV SQUEAK.WAV BOOM.WAV SINKRATE.WAV PULLUP.WAV GEAR.WAV \
    TERRAIN.WAV GLIDESLP.WAV MINIMUMS.WAV WNDSHEAR.WAV CAUTION.WAV ALERT.WAV \
    dot.wav dash.wav stall.wav; do
    [[ -f $dest/$f ]] || fail "$f was not made"
    total=$((total + $(stat -c %s "$dest/$f")))
done
((total <= MAX_TOTAL_BYTES)) || fail "sounds take $total bytes, over $MAX_TOTAL_BYTES"
echo "make_sounds: 22 files, $total bytes in $dest"
