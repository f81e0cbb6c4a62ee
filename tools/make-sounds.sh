#!/usr/bin/env bash
# Synthesises the program's two sounds and writes them to assets/ as mono 44.1 kHz MP3:
#   ts.mp3   - soft rising chime played when a parcel's history grows (about 0.8 s)
#   orvo.mp3 - gentle start-up arpeggio (about 1.2 s)
# Needs sox and lame (Debian packages "sox" and "lame"). The output is deterministic.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/assets"
mkdir -p "$out"

for tool in sox lame; do
    command -v "$tool" >/dev/null || { echo "make-sounds: $tool is not installed" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=44100
# Repeatable dither, so that a rerun gives the same files.
export SOX_OPTS="-R"

# One bell-like note: a sine with a quiet octave partial, a quick attack and a long fade,
# started `delay` seconds into the sound.
# note FILE DELAY LENGTH FREQUENCY
note() {
    local file="$1" delay="$2" length="$3" freq="$4"
    local octave
    octave="$(awk -v f="$freq" 'BEGIN { printf "%.2f", f * 2 }')"
    sox -n -r "$rate" -c 1 -b 16 "$work/fund.wav" synth "$length" sine "$freq" vol 0.5
    sox -n -r "$rate" -c 1 -b 16 "$work/over.wav" synth "$length" sine "$octave" vol 0.09
    # Triangle under the sine gives the note a little body without harshness.
    sox -n -r "$rate" -c 1 -b 16 "$work/body.wav" synth "$length" triangle "$freq" vol 0.06
    sox -m -v 1 "$work/fund.wav" -v 1 "$work/over.wav" -v 1 "$work/body.wav" "$work/raw.wav"
    # A 5 ms attack, then a quarter-sine fade over the rest of the note, like a struck bell.
    sox "$work/raw.wav" "$file" fade q 0.005 "$length" "$(awk -v l="$length" 'BEGIN { print l - 0.005 }')" \
        pad "$delay"
}

# mix OUT LENGTH NOTE...: sums the notes, adds a little room, trims and normalises.
mix() {
    local result="$1" length="$2"
    shift 2
    local inputs=()
    # Headroom for overlapping notes and the reverb; norm restores the level.
    for n in "$@"; do inputs+=(-v 0.3 "$n"); done
    sox -m "${inputs[@]}" "$work/sum.wav"
    sox "$work/sum.wav" "$work/room.wav" gain -3 reverb 25 50 40 pad 0 0.3
    sox "$work/room.wav" -r "$rate" -c 1 "$work/final.wav" \
        trim 0 "$length" fade t 0.002 "$length" 0.15 norm -3
    # Constant 96 kbps, mono, no ID3 tag: small and plays everywhere.
    lame --quiet -m m -b 96 --cbr --resample 44.1 -q 2 --noreplaygain "$work/final.wav" "$result"
}

# Chime: G5, C6, E6 rising, each note ringing a little longer.
note "$work/c1.wav" 0.00 0.50 783.99
note "$work/c2.wav" 0.11 0.55 1046.50
note "$work/c3.wav" 0.22 0.58 1318.51
mix "$out/ts.mp3" 0.80 "$work/c1.wav" "$work/c2.wav" "$work/c3.wav"

# Jingle: C5 E5 G5 C6 arpeggio ending on a held C6 over a soft C5/G5 bed.
note "$work/j1.wav" 0.00 0.60 523.25
note "$work/j2.wav" 0.15 0.60 659.26
note "$work/j3.wav" 0.30 0.65 783.99
note "$work/j4.wav" 0.45 0.75 1046.50
note "$work/j5.wav" 0.45 0.75 523.25
mix "$out/orvo.mp3" 1.20 "$work/j1.wav" "$work/j2.wav" "$work/j3.wav" "$work/j4.wav" "$work/j5.wav"

echo "make-sounds: wrote $out/ts.mp3 and $out/orvo.mp3"
