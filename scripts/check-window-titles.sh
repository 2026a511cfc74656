#!/usr/bin/env bash
# Starts a program on the X display in DISPLAY with a private home and checks the title the
# window manager is given (_NET_WM_NAME) of every window it shows: each must be the window's own
# caption, with nothing appended after " — " by the toolkit.
# usage: scripts/check-window-titles.sh PROGRAM HOME   (under xvfb-run)
set -euo pipefail

program=${1:?usage: $0 PROGRAM HOME}
home=${2:?usage: $0 PROGRAM HOME}
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"

env -u REPBOOK_HOME HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb "$program" >"$home/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

windows=""
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { cat "$home/program.log" >&2; echo "$program ended" >&2; exit 1; }
    windows=$(xdotool search --all --onlyvisible --pid "$pid" --name '.' 2>/dev/null || true)
    [ -n "$windows" ] && break
    sleep 0.2
done
[ -n "$windows" ] || { echo "$program showed no window" >&2; exit 1; }
sleep 1 # let the first-start dialogs open too
windows=$(xdotool search --all --onlyvisible --pid "$pid" --name '.' 2>/dev/null || true)

status=0
for window in $windows; do
    title=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
    echo "window title: $title"
    if [[ "$title" == *" — "* ]]; then
        echo "the title \"$title\" carries an appended program name" >&2
        status=1
    fi
done
exit $status
