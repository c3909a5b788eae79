#!/bin/sh
# The history from the command line, with no display: the first look makes
# it from the replays kept before it, `--history` prints the game taken in,
# `--verify game:N` checks it, and a game or a word that is not there is
# refused. The sqlite3 shell reads the same rows.
#   history_cli.sh VEXEL REPLAY
set -eu
vexel=$1 replay=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/replays"
cp "$replay" "$scratch/replays/last.vxr"
touch -d '2026-03-04 05:06' "$scratch/replays/last.vxr"
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TZ=UTC "$vexel" --scores-file "$scratch/vexel.ini" "$@" \
        >"$scratch/out" 2>&1 || status=$?
    printf 'status %s\n' "$status" >>"$scratch/out"
}
expect() {
    if ! printf '%s\n' "$1" | diff - "$scratch/out"; then
        echo "FAIL: $2" >&2
        exit 1
    fi
}

run --history
expect "4-way top ten
     no games yet

2-way top ten
  1.   27  level  3  Zoë    2026-03-04 05:06  game 1

Games played: 1, time played: 0:00:05
status 0" "--history does not show the kept replay as game 1"
first=$(cat "$scratch/out")
run --history
expect "$first" "a second look changed the history"
[ "$(sqlite3 "$scratch/history.sqlite" 'SELECT count(*) FROM games; PRAGMA integrity_check;')" = "1
ok" ] || { echo "FAIL: the kept replay was taken in more than once" >&2; exit 1; }

# A holder changed with the shell to hold a line break keeps its line.
sqlite3 "$scratch/history.sqlite" "UPDATE games SET holder = 'a' || char(10) || 'b' WHERE id = 1"
run --history
expect "$(printf '%s\n' "$first" | sed 's/Zoë  /a b  /')" "a line break in a holder breaks the top ten's line"

run --verify game:1
expect "score 27, level 3, 2-way, 298 ticks
status 0" "--verify game:1 does not match"
run --verify=game:2
expect "vexel: there is no game 2 in the history
status 2" "--verify game:2 is not refused"
run --replay game:one
expect "vexel: 'game:one' does not name a game of the history (game:N, N a whole number)
status 2" "--replay game:one is not refused"
echo "history from the command line: ok"
