#!/usr/bin/env bash
# Two computers sharing the diary folder through two real Syncthing instances on loopback.
#
#   tests/sync/two-computers.sh [PATH/TO/repbook-cli]      (default: build/bin/repbook-cli)
#
# (a) each side imports a different date: after the sync both diaries hold both;
# (b) both sides change the same date (and one side another date) while the devices are paused:
#     after resuming, Syncthing leaves a conflict copy, repbook-cli merge merges it, and the
#     diary plus its conflict record hold every change on both computers;
# (c) the same with the diary program running on one side (when it was built): the running
#     diary merges the copy itself, and its window, read through the accessibility tree, shows
#     the other computer's day and tells of the date both changed.
# Bounded to two minutes. Prints "SKIP: ..." and exits 0 only when syncthing is missing and
# cannot be installed; every other failure exits 1 with the reason.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
CLI=${1:-$ROOT/build/bin/repbook-cli}
DIARY=$(dirname "$CLI")/repbook
DEADLINE=$((SECONDS + 120))
WAIT_S=45 # for one step to happen

if ! command -v syncthing >/dev/null 2>&1 && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q syncthing >/dev/null 2>&1 || true
fi
if ! command -v syncthing >/dev/null 2>&1; then
    echo "SKIP: two-computers sync test: syncthing is not installed and could not be installed"
    exit 0
fi
[ -x "$CLI" ] || { echo "FAIL: no repbook-cli at $CLI"; exit 1; }

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    for side in a b; do
        echo "--- $side: $(ls -A "$WORK/$side/home/Database" 2>/dev/null | tr '\n' ' ')"
        tail -n 15 "$WORK/$side/home/Databasething.log" 2>/dev/null || true
    done
    exit 1
}

# Polls until the command succeeds; fails after WAIT_S seconds or at the overall deadline.
wait_for() {
    local what=$1
    shift
    local until=$((SECONDS + WAIT_S))
    while ! "$@" >/dev/null 2>&1; do
        if [ $SECONDS -ge $until ] || [ $SECONDS -ge $DEADLINE ]; then fail "timed out: $what"; fi
        sleep 0.3
    done
}

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

declare -A ID SYNC_PORT GUI_PORT OTHER
KEY=repbook-test-$RANDOM$RANDOM
OTHER[a]=b
OTHER[b]=a
for side in a b; do
    mkdir -p "$WORK/$side/home/Database" "$WORK/$side/config/Ironvale"
    printf '[User]\nFilled=1\n' >"$WORK/$side/config/Ironvale/Repbook.conf"
    touch "$WORK/$side/home/Database/.stfolder"
    syncthing generate --home="$WORK/$side/st" --no-default-folder >/dev/null 2>&1 ||
        fail "syncthing generate"
    ID[$side]=$(syncthing serve --home="$WORK/$side/st" --device-id)
    SYNC_PORT[$side]=$(free_port)
    GUI_PORT[$side]=$(free_port)
done

# A folder written by hand needs maxConflicts of its own: without it Syncthing keeps no
# conflict copy and silently drops one side.
for side in a b; do
    other=${OTHER[$side]}
    cat >"$WORK/$side/st/config.xml" <<XML
<configuration version="36">
    <folder id="repbook" label="Repbook" path="$WORK/$side/home/Database" type="sendreceive" rescanIntervalS="3600" fsWatcherEnabled="false">
        <device id="${ID[a]}"></device>
        <device id="${ID[b]}"></device>
        <maxConflicts>10</maxConflicts>
    </folder>
    <device id="${ID[$side]}" name="$side" compression="metadata"><address>dynamic</address></device>
    <device id="${ID[$other]}" name="$other" compression="metadata"><address>tcp://127.0.0.1:${SYNC_PORT[$other]}</address></device>
    <gui enabled="true" tls="false"><address>127.0.0.1:${GUI_PORT[$side]}</address><apikey>$KEY</apikey></gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${SYNC_PORT[$side]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <startBrowser>false</startBrowser>
        <urAccepted>-1</urAccepted>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <crashReportingEnabled>false</crashReportingEnabled>
        <reconnectionIntervalS>1</reconnectionIntervalS>
    </options>
</configuration>
XML
    STNOUPGRADE=1 syncthing serve --home="$WORK/$side/st" --no-browser --no-restart \
        --logfile="$WORK/$side/home/Databasething.log" >/dev/null 2>&1 &
    PIDS+=($!)
done

api() { # side method path
    curl -fsS -X "$2" -H "X-API-Key: $KEY" "http://127.0.0.1:${GUI_PORT[$1]}$3"
}
connected() {
    api "$1" GET /rest/system/connections |
        python3 -c 'import json,sys; sys.exit(not json.load(sys.stdin)["connections"][sys.argv[1]]["connected"])' "${ID[${OTHER[$1]}]}"
}
scan() { api "$1" POST "/rest/db/scan?folder=repbook"; }

cli() { # side args...
    local side=$1
    shift
    REPBOOK_HOME="$WORK/$side/home" "$CLI" "$@" --diary "$WORK/$side/home/Database/Database.rpd"
}
workout() { # file date exercise category
    printf 'Date,Exercise,Category,Weight (kgs),Reps\n%s,%s,%s,100,5\n' "$2" "$3" "$4" >"$1"
}
same_diaries() {
    cmp -s "$WORK/a/home/Database/Database.rpd" "$WORK/b/home/Database/Database.rpd" &&
        [ -z "$(conflict_copies a)$(conflict_copies b)" ]
}
conflict_copies() { find "$WORK/$1/home/Database" -maxdepth 1 -name '*.sync-conflict-*' ! -name '.syncthing.*' -printf '%f\n'; }
holds() { cli "$1" export | grep -q "$2"; }
same_lists() {
    cmp -s "$WORK/a/home/Database/UEList.txt" "$WORK/b/home/Database/UEList.txt" &&
        cmp -s "$WORK/a/home/Database/UTList.txt" "$WORK/b/home/Database/UTList.txt"
}
reached_b() { holds b "$1" && same_lists; }

for side in a b; do wait_for "syncthing $side answers" api $side GET /rest/system/ping; done
for side in a b; do wait_for "$side connects to the other" connected $side; done
echo "two Syncthing instances connected on 127.0.0.1 after ${SECONDS}s"

# (a) one side after the other, each a different date.
workout "$WORK/a1.csv" 2026-12-01 Squat Legs
cli a import "$WORK/a1.csv" >/dev/null || fail "(a) import on a"
scan a >/dev/null
# The name lists change with the import too: b imports only once they have arrived, or the engine
# sees them changed on both sides (a list's conflict copy, merged only by the next merge).
wait_for "(a) the first date and the name lists reach b" reached_b 2026-12-01
workout "$WORK/b1.csv" 2026-12-02 Curl Arms
cli b import "$WORK/b1.csv" >/dev/null || fail "(a) import on b"
scan b >/dev/null
wait_for "(a) both diaries hold both dates" same_diaries
{ holds a 2026-12-01 && holds a 2026-12-02; } || fail "(a) a lacks a date"
echo "PASS (a): each side's date reached the other (${SECONDS}s)"

# (b) both change 2026-12-05 while paused; a also adds 2026-12-06.
for side in a b; do api $side POST "/rest/system/pause?device=${ID[${OTHER[$side]}]}" >/dev/null; done
workout "$WORK/a2.csv" 2026-12-05 Deadlift Back
cli a import "$WORK/a2.csv" >/dev/null || fail "(b) import on a"
workout "$WORK/a3.csv" 2026-12-06 Press Shoulders
cli a import "$WORK/a3.csv" >/dev/null || fail "(b) second import on a"
workout "$WORK/b2.csv" 2026-12-05 Dips Chest
cli b import "$WORK/b2.csv" >/dev/null || fail "(b) import on b"
for side in a b; do scan $side >/dev/null; done
for side in a b; do api $side POST "/rest/system/resume?device=${ID[${OTHER[$side]}]}" >/dev/null; done
has_copy() { [ -n "$(conflict_copies a)" ]; }
wait_for "(b) the conflict copy appears on a" has_copy
echo "conflict copy on a: $(conflict_copies a) (${SECONDS}s)"
cli a merge || fail "(b) repbook-cli merge on a"
scan a >/dev/null
wait_for "(b) both diaries agree and no copy is left" same_diaries
record=$(find "$WORK/a/home/Database" -maxdepth 1 -name 'Database.rpd.conflict-*' | head -n 1)
everything=$(cli a export; [ -z "$record" ] || REPBOOK_HOME="$WORK/a/home" "$CLI" export --diary "$record")
for name in Squat Curl Deadlift Press Dips; do
    grep -q "$name" <<<"$everything" || fail "(b) $name was lost"
done
holds b Press || fail "(b) the one-sided date did not reach b"
echo "PASS (b): conflict copy merged, nothing lost (${SECONDS}s)"

# (c) the diary runs on a, on a private X display with the accessibility bus, while both change
# 2026-12-08 and b adds 2026-12-10: the window shows b's day and tells of the date both changed,
# read through the accessibility tree as a screen reader reads it (window-shows.py).
if [ ! -x "$DIARY" ]; then
    echo "PASS (a), (b); (c) not run: no diary program at $DIARY"
    exit 0
fi
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null ||
        fail "(c) reads the diary's window with xvfb, dbus and at-spi2-core: $tool is missing"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "(c) reads the diary's window with python3-pyatspi, which is missing"
printf '[66]\nStart%%20Date=1.12.2026\nDays=41\n' >>"$WORK/a/config/Ironvale/Repbook.conf"
mkdir -m 700 "$WORK/a/run"
REPBOOK_HOME="$WORK/a/home" XDG_CONFIG_HOME="$WORK/a/config" XDG_RUNTIME_DIR="$WORK/a/run" \
    xvfb-run -a -s "-screen 0 1280x900x24" dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
        for _ in $(seq 50); do
            dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
                org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
            sleep 0.1
        done
        QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$2/diary.log" 2>&1 &
        diary=$!
        /usr/bin/python3 "$3" "$2/ready" 2026-12-10 Biceps "$4"
        seen=$?
        kill -0 $diary || { echo "the diary program ended: $(tail -n 5 "$2/diary.log")"; seen=1; }
        kill $diary %1 2>/dev/null
        exit $seen' _ "$DIARY" "$WORK/a" "$ROOT/tests/sync/window-shows.py" $((DEADLINE - SECONDS)) \
    >"$WORK/a/seen.txt" 2>&1 &
WINDOW=$!
PIDS+=($WINDOW)
wait_for "(c) the diary starts on a" test -e "$WORK/a/ready"
for side in a b; do api $side POST "/rest/system/pause?device=${ID[${OTHER[$side]}]}" >/dev/null; done
workout "$WORK/a4.csv" 2026-12-08 Lunge Legs
cli a import "$WORK/a4.csv" >/dev/null || fail "(c) import on a"
workout "$WORK/b4.csv" 2026-12-08 Shrug Traps
cli b import "$WORK/b4.csv" >/dev/null || fail "(c) import on b"
workout "$WORK/b5.csv" 2026-12-10 Curl Biceps
cli b import "$WORK/b5.csv" >/dev/null || fail "(c) second import on b"
for side in a b; do scan $side >/dev/null; done
for side in a b; do api $side POST "/rest/system/resume?device=${ID[${OTHER[$side]}]}" >/dev/null; done
# Only the running diary merges now (it may do so before a poll here sees the copy); its save
# and the conflict record of 2026-12-08 travel to b.
records() { find "$WORK/$1/home/Database" -maxdepth 1 -name 'Database.rpd.conflict-*' | wc -l; }
settled() {
    scan a && scan b && same_diaries && [ "$(records a)" = 2 ] && [ "$(records b)" = 2 ]
}
wait_for "(c) the running diary merges the copy and both diaries agree" settled
everything=$(cli a export; for record in "$WORK"/a/home/Database/Database.rpd.conflict-*; do
    REPBOOK_HOME="$WORK/a/home" "$CLI" export --diary "$record"; done)
for name in Squat Curl Deadlift Press Dips Lunge Shrug; do
    grep -q "$name" <<<"$everything" || fail "(c) $name was lost"
done
holds a 2026-12-10 || fail "(c) b's new date did not reach a"
wait "$WINDOW" || fail "(c) the diary's window: $(grep -v '^dbus-daemon' "$WORK/a/seen.txt")"
echo "PASS (c): the running diary merged the conflict copy, nothing lost; $(tail -n 1 "$WORK/a/seen.txt") (${SECONDS}s)"
