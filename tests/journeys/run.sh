#!/usr/bin/env bash
# Runs the journeys against the programs installed under PREFIX: a private X display (Xvfb), a
# private D-Bus session with the accessibility bus, and a notification area (trayer).
# usage: tests/journeys/run.sh PREFIX [JOURNEY...]     (JOURNEY: a function name of journeys.py)
set -euo pipefail
here=$(dirname "$(realpath "$0")")

if [ "${1:-}" != --inside ]; then
    prefix=$(realpath "${1:?usage: $0 PREFIX [JOURNEY...]}")
    shift
    exec xvfb-run -a -s "-screen 0 1280x900x24" \
        dbus-run-session -- "$0" --inside "$prefix" "$@"
fi
shift
prefix=$1
shift

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
trap 'kill $bus $tray 2>/dev/null || true' EXIT
# The bus is up once its address is published, the notification area once its window exists: a
# notifier started before it would look for it in vain for a while (the machine may be busy).
for _ in $(seq 1 300); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && xdotool search --class trayer >/dev/null 2>&1 && break
    sleep 0.1
done
/usr/bin/python3 "$here/journeys.py" "$prefix" "$@"
