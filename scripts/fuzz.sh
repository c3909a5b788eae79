#!/usr/bin/env bash
# Fuzzes with libFuzzer: reading the record file and ending a game on it
# (score_file, the default), or reading and playing replays (replay).
#
#   scripts/fuzz.sh [SECONDS [TARGET]]      (default 60 score_file)
#
# Builds with the `fuzz` preset (clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build/fuzz, grows a working corpus in
# build/fuzz/corpus from the seeds in fuzz/corpus, and leaves any input that
# breaks a check in build/fuzz/artifacts. Exits non-zero when one was found.
set -euo pipefail

seconds="${1:-60}"
target="${2:-score_file}"
case "$target" in
    score_file) seeds=corpus ;;
    replay) seeds=replay_corpus ;;
    *)
        echo "usage: $0 [SECONDS [score_file|replay]]" >&2
        exit 2
        ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXEL_FUZZ_BUILD_DIR:-$root/build/fuzz}"

cmake --preset fuzz -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"${VEXEL_JOBS:-2}" --target "vexel_fuzz_$target"

mkdir -p "$build/$seeds" "$build/artifacts"
cp -n "$root/fuzz/$seeds"/* "$build/$seeds/"

# Every input saves the records with fsync; a memory file system keeps that
# from dominating the run.
scratch="$(mktemp -d "${TMPDIR:-/dev/shm}/vexel-fuzz-run.XXXXXX" 2>/dev/null || mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

VEXEL_FUZZ_TMPDIR="$scratch" \
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    "$build/fuzz/vexel_fuzz_$target" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/$seeds"
