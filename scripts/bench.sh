#!/usr/bin/env bash
# Builds the release benchmarks with the `bench` preset and runs them all:
# the tick (with and without recording), checking a long replay, the
# history at 100 and 100,000 games (and `vexel --history` at 100,000
# against 100, at most 1.25 times as long), painting one frame, the real window's
# timer, start-up and peak memory against an empty window and with a
# translation loaded, the History window over a short and a long history,
# the sounds (latency, their cost at level 12, wake-ups while paused and
# start-up with Sound on against Sound off), and a game controller's key to
# the game with the wake-ups a pad costs while the game waits. Figures print
# as they come.
#
#   scripts/bench.sh [REPETITIONS]     (default 10)
#
# VEXEL_BENCH_BUILD_DIR overrides the build folder (default build/bench).
set -euo pipefail

repetitions="${1:-10}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXEL_BENCH_BUILD_DIR:-$root/build/bench}"
export QT_QPA_PLATFORM=offscreen

cmake --preset bench -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"${VEXEL_JOBS:-2}"

echo "== machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) =="
aggregate=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true)

echo "== one tick, headless (time per tick), and what recording adds to it =="
"$build/bench/vexel_bench_tick" "${aggregate[@]}"

echo "== checking a replay of a 30,000-tick game, as vexel --verify does =="
"$build/bench/vexel_bench_verify" "${aggregate[@]}"

echo "== the history at 100 and 100,000 games: adding a game, the first game over, --history's work and process, --history at 100,000 against 100 =="
"$build/bench/vexel_bench_history" "${aggregate[@]}"

echo "== painting one whole frame offscreen =="
"$build/bench/vexel_bench_paint" "${aggregate[@]}"

echo "== the window's timer over 500 ticks =="
"$build/bench/vexel_bench_timer" 500 2>/dev/null

echo "== start-up and peak memory against an empty window, and in German against English =="
"$build/bench/vexel_startup_compare" "$build/bin/vexel" "$build/bench/vexel_floor_window" \
    "$build/bench/libvexel_first_paint_probe.so" 21 de_DE.UTF-8

echo "== the History window at 100 and 100,000 games: first paint, full list and chart, repaint, scrolling =="
"$build/bench/vexel_bench_history_window" 21 2>/dev/null

echo "== a pad: button to the game, and wake-ups while paused without a pad, with one and another window active =="
"$build/bench/vexel_bench_pad" 300 5 2>/dev/null

echo "== sound: latency, level 12 with Sound on against off, wake-ups while paused (SDL's disk driver) =="
"$build/bench/vexel_bench_sound" "${VEXEL_SOUND_SECONDS:-60}" 2> /dev/null

echo "== start-up with Sound on (as vexel) against Sound off (as floor) =="
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
for sound in true false; do
    mkdir -p "$settings/$sound/vexel"
    printf 'zoom=100\ncolour-safe=false\nsound=%s\n' "$sound" > "$settings/$sound/vexel/vexel.conf"
    printf '#!/bin/sh\nXDG_CONFIG_HOME=%s exec %s "$@"\n' "$settings/$sound" "$build/bin/vexel" > "$settings/vexel-$sound"
    chmod +x "$settings/vexel-$sound"
done
"$build/bench/vexel_startup_compare" "$settings/vexel-true" "$settings/vexel-false" \
    "$build/bench/libvexel_first_paint_probe.so" 21
