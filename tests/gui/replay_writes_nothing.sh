#!/bin/sh
# Runs `vexel --replay last` offscreen with a data folder of its own that
# holds a records file and that replay, for longer than the replay lasts,
# so that it ends at its end box, then stops it. Nothing in the folder may
# have changed, and nothing may have been added.
#   replay_writes_nothing.sh VEXEL REPLAY SECONDS
set -eu
vexel=$1 replay=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data/vexel/replays"
printf '"00420007Ann  Bob  "\r\n' >"$scratch/data/vexel/vexel.ini"
cp "$replay" "$scratch/data/vexel/replays/last.vxr"
(cd "$scratch/data" && find . -type f -exec cksum {} + | sort) >"$scratch/before"

status=0
XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen timeout "$seconds" "$vexel" --replay last \
    >"$scratch/out" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "FAIL: vexel --replay ended by itself with status $status:" >&2
    cat "$scratch/out" >&2
    exit 1
fi
(cd "$scratch/data" && find . -type f -exec cksum {} + | sort) >"$scratch/after"
if ! diff "$scratch/before" "$scratch/after"; then
    echo "FAIL: watching the replay changed the data folder" >&2
    exit 1
fi
[ "$(find "$scratch/data" | wc -l)" -eq 5 ] || {
    echo "FAIL: watching the replay left new entries:" >&2
    find "$scratch/data" >&2
    exit 1
}
