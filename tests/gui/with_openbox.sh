#!/bin/sh
# Runs a command under openbox on the X server in DISPLAY (xvfb-run's own),
# once the window manager has taken the screen, and ends openbox after it.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "openbox did not take the screen" >&2
        kill "$wm"
        exit 1
    fi
    sleep 0.1
done
"$@"
status=$?
kill "$wm"
wait "$wm" 2>/dev/null
exit "$status"
