#!/usr/bin/env bash
# Renders the game's sounds into data/sounds/*.wav with sox.
#
# A developer step only: the WAV files it writes are committed and built
# into the program, so building and packaging never need sox. Run it again
# after changing a recipe below. Every sound is 48 kHz, mono, 16-bit: the
# rate the game opens the device at, so nothing is resampled while playing.
# sox runs in its repeatable mode (-R), so an unchanged recipe gives the
# same bytes again.
#
# They are meant to be heard for an hour: short, soft, and each at a pitch
# of its own, so that a shot, a point and a new level never sound alike.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/data/sounds"

if ! command -v sox >/dev/null 2>&1; then
    echo "make-sounds.sh: sox is missing (apt-get install sox)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

format=(-R -D -r 48000 -c 1 -b 16 -e signed-integer)

# A tone: name, length in seconds, then sox synth arguments.
tone() {
    local name=$1 length=$2
    shift 2
    sox "${format[@]}" -n "$work/$name.wav" synth "$length" "$@"
}

# shot: a soft thump, a falling tone under a breath of noise, 70 ms.
tone shot-body 0.07 sine 520-140
tone shot-air 0.07 pinknoise
sox "${format[@]}" "$work/shot-air.wav" "$work/shot-air-low.wav" lowpass 1800 gain -9
sox "${format[@]}" -m "$work/shot-body.wav" "$work/shot-air-low.wav" "$out/shot.wav" \
    fade q 0.002 0.07 0.06 gain -n -16

# score: one short high blip, 50 ms.
tone score 0.05 sine 1568
sox "${format[@]}" "$work/score.wav" "$out/score.wav" fade q 0.003 0.05 0.04 gain -n -20

# level: two rising notes, a fifth apart, 230 ms.
tone level-1 0.09 triangle 659
tone level-2 0.14 triangle 988
sox "${format[@]}" "$work/level-1.wav" "$work/level-1f.wav" fade q 0.004 0.09 0.02
sox "${format[@]}" "$work/level-2.wav" "$work/level-2f.wav" fade q 0.004 0.14 0.1
sox "${format[@]}" "$work/level-1f.wav" "$work/level-2f.wav" "$out/level.wav" gain -n -15

# lost: a tone falling two octaves, 650 ms.
tone lost 0.65 triangle 392-98
sox "${format[@]}" "$work/lost.wav" "$out/lost.wav" fade q 0.01 0.65 0.3 gain -n -12

# record: a rising major arpeggio ending on a held note, 800 ms.
notes=(523 659 784)
parts=()
for i in "${!notes[@]}"; do
    tone "record-$i" 0.11 triangle "${notes[$i]}"
    sox "${format[@]}" "$work/record-$i.wav" "$work/record-${i}f.wav" fade q 0.004 0.11 0.03
    parts+=("$work/record-${i}f.wav")
done
tone record-top 0.47 triangle 1047
sox "${format[@]}" "$work/record-top.wav" "$work/record-topf.wav" fade q 0.004 0.47 0.3
sox "${format[@]}" "${parts[@]}" "$work/record-topf.wav" "$out/record.wav" gain -n -13

for sound in shot score level lost record; do
    printf '%-8s %s\n' "$sound" "$(soxi -d "$out/$sound.wav")"
done
