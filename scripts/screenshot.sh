#!/usr/bin/env bash
# Takes docs/screenshot.png from the real window of an already built game.
#   scripts/screenshot.sh PATH/TO/vexel [OUTPUT.png]
# The game runs on a private X server (xvfb-run) with a scratch score file,
# so neither the desktop nor the developer's records are touched. It is
# unpaused for a moment so that a few guns have fired, then paused again
# and captured. Needs xvfb-run (xvfb), xdotool and ImageMagick's import.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 PATH/TO/vexel [OUTPUT.png]" >&2
    exit 2
fi
executable=$(realpath "$1")
output=$(realpath -m "${2:-$root/docs/screenshot.png}")
# How long the game runs before the picture is taken, in seconds. Long enough
# for bullets to be under way, short enough that the square is rarely hit.
play_seconds=${VEXEL_SCREENSHOT_PLAY:-1.4}
seed=${VEXEL_SCREENSHOT_SEED:-7}

for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "screenshot.sh: $tool is missing (apt-get install xvfb xauth xdotool imagemagick)" >&2
        exit 1
    fi
done
[ -x "$executable" ] || {
    echo "screenshot.sh: $executable is not an executable; build the game first" >&2
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Qt wants a private runtime folder; a scratch one keeps it from warning.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$(dirname "$output")"

# Everything below runs inside the X server's session. There is no window
# manager there, so the capture is the window's own contents: the menu bar
# and the board, without a title bar.
export VEXEL_EXECUTABLE="$executable" VEXEL_SCORES="$scratch/vexel.ini" VEXEL_SHOT="$scratch/shot.png"
export VEXEL_PLAY="$play_seconds" VEXEL_SEED="$seed"
# shellcheck disable=SC2016 # the variables are the inner shell's to expand
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    set -euo pipefail
    "$VEXEL_EXECUTABLE" --scores-file "$VEXEL_SCORES" --seed "$VEXEL_SEED" &
    game=$!
    trap "kill $game 2>/dev/null || true" EXIT
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Vexel" | head -n 1)
    [ -n "$window" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool key Return
    sleep "$VEXEL_PLAY"
    xdotool key Return
    sleep 0.3
    import -window "$window" "$VEXEL_SHOT"
'

# Stripping the metadata keeps the committed file free of time stamps.
convert "$scratch/shot.png" -strip "$output"
echo "wrote $output ($(identify -format '%wx%h' "$output"))"
