#!/usr/bin/env bash
# Checks what installing a finished build gives a user:
#   - `cmake --install` into a temporary prefix lays out the programs, desktop entries, icons
#     and AppStream data, and desktop-file-validate and appstreamcli accept them;
#   - both installed programs start from an unrelated folder with a private home (as the user
#     nobody when run as root), reach their event loop, keep their files in that home, and
#     nothing under the prefix changes while they run;
#   - the journeys (tests/journeys) drive the installed programs under Xvfb as a user does and
#     read what their windows show through the accessibility tree;
#   - `cpack -G DEB` makes the package repbook whose Depends names the Debian package of every
#     Qt library the programs link.
# usage: scripts/ci-install-check.sh BUILD_DIR
set -euo pipefail

build_dir=$(realpath "${1:?usage: $0 BUILD_DIR}")
cd "$(dirname "$0")/.."

# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh
install_missing desktop-file-utils appstream dpkg-dev file

diary_id=com.ironvale.Repbook
notifier_id=com.ironvale.Repminder
icon_sizes=(16 22 24 32 48 64 128 256)

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "ci-install-check: $*" >&2
    exit 1
}

prefix=$work/prefix

echo "== install into a temporary prefix"
cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log"

expected=(bin/repbook bin/repminder bin/repbook-cli share/man/man1/repbook-cli.1
          share/man/man1/repbook.1 share/man/man1/repminder.1
          "share/applications/$diary_id.desktop" "share/applications/$notifier_id.desktop"
          "share/metainfo/$diary_id.metainfo.xml")
for id in "$diary_id" "$notifier_id"; do
    for size in "${icon_sizes[@]}"; do
        expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
    done
    expected+=("share/icons/hicolor/scalable/apps/$id.svg")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "missing after install: $file"
done

echo "== validate the desktop entries and the AppStream data"
desktop-file-validate "$prefix"/share/applications/*.desktop
# validate-tree checks the AppStream data and that the desktop entry it launches is installed.
appstreamcli validate-tree --no-net "$prefix"

# Each entry must start an installed program and name an installed icon.
entry_value() {
    sed -n "s/^$2=//p" "$1" | head -n 1
}
for entry in "$prefix"/share/applications/*.desktop; do
    program=$(entry_value "$entry" Exec)
    program=${program%% *}
    [ -x "$prefix/bin/$program" ] || fail "$entry starts $program, which is not installed"
    icon=$(entry_value "$entry" Icon)
    [ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "$entry names the icon $icon, which is not installed"
done
# The autostart entry the notifier writes for itself names the same icon.
grep -q "Icon=$notifier_id\\\\n" notifier/AutostartEntry.cpp ||
    fail "notifier/AutostartEntry.cpp does not name the icon $notifier_id"

snapshot() {
    (cd "$prefix" && find . -printf '%y %m %u %p\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
snapshot >"$work/prefix-before"

echo "== start the installed programs"
home=$work/home
runtime=$work/runtime
elsewhere=$work/elsewhere
mkdir -p "$home" "$runtime" "$elsewhere"
chmod 700 "$runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    # As root every permission check passes; run as an ordinary user who may not write to the
    # prefix, as a user of the package would.
    chmod 755 "$work"
    chown nobody:nogroup "$home" "$runtime" "$elsewhere"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

start_program() { # name: starts prefix/bin/name in the background, its pid in $started
    (cd "$elsewhere" &&
        exec "${as_user[@]}" env -u REPBOOK_HOME -u XDG_DATA_DIRS -u XDG_CONFIG_DIRS \
            HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
            XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
            "$prefix/bin/$1" >"$work/$1.log" 2>&1) &
    started=$!
    pids+=("$started")
}

# wait_for name pid path...: the program is still running once every path exists, and a few
# seconds later.
wait_for() {
    local name=$1 pid=$2 path
    shift 2
    for _ in $(seq 1 150); do
        kill -0 "$pid" 2>/dev/null || break
        local all=1
        for path in "$@"; do
            [ -e "$path" ] || all=0
        done
        if [ $all -eq 1 ]; then
            sleep 3
            kill -0 "$pid" 2>/dev/null && return 0
            break
        fi
        sleep 0.2
    done
    echo "--- $name output:" >&2
    cat "$work/$name.log" >&2
    fail "$name did not stay running with its files in place: $*"
}

stop_program() {
    kill -TERM "$1"
    wait "$1" 2>/dev/null || true
}

data=$home/.local/share/Ironvale/Repbook
start_program repbook
diary_pid=$started
wait_for repbook "$diary_pid" "$runtime/Singletone.lock" "$data/Database"
echo "repbook is running; data folder $data"

start_program repminder
notifier_pid=$started
wait_for repminder "$notifier_pid" "$runtime/RepminderWndClass.lock"
echo "repminder is running"

stop_program "$notifier_pid"
stop_program "$diary_pid"
pids=()

snapshot >"$work/prefix-after"
if ! diff -u "$work/prefix-before" "$work/prefix-after"; then
    fail "the programs changed files under the installation prefix"
fi
echo "nothing under the prefix changed"

echo "== window titles under X are the windows' own captions"
install_missing xvfb xauth x11-utils xdotool
xvfb-run -a -s "-screen 0 1280x900x24" \
    scripts/check-window-titles.sh "$prefix/bin/repbook" "$work/titles-home" ||
    fail "repbook's window titles are not exactly its captions"

echo "== journeys: the installed programs driven through the accessibility tree"
install_missing dbus at-spi2-core python3-pyatspi trayer xdotool x11-utils
journeys_start=$(date +%s)
REPBOOK_SAMPLE_DIARY="$build_dir/bin/make_sample_diary" tests/journeys/run.sh "$prefix" ||
    fail "a journey failed"
echo "journeys took $(( $(date +%s) - journeys_start )) s"

echo "== make the Debian package"
(cd "$build_dir" && cpack -G DEB -B "$work/deb" >"$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$work/deb" -maxdepth 1 -name 'repbook_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no repbook_*.deb"
dpkg-deb -f "$deb" Package Version Architecture Depends
[ "$(dpkg-deb -f "$deb" Package)" = repbook ] || fail "the package is not named repbook"
depends=$(dpkg-deb -f "$deb" Depends)
[[ ", $depends," == *", libcsv3 "* || ", $depends," == *", libcsv3,"* ]] ||
    fail "Depends lacks libcsv3 for repbook-cli: $depends"
for library in $(objdump -p "$prefix/bin/repbook" "$prefix/bin/repminder" "$prefix/bin/repbook-cli" |
    sed -n 's/^ *NEEDED *\(libQt6.*\)$/\1/p' | sort -u); do
    path=$(ldconfig -p | sed -n "s/^\t$library .*=> //p" | head -n 1)
    [ -n "$path" ] || fail "cannot find $library"
    package=$(dpkg -S "$(realpath "$path")" | cut -d: -f1 | head -n 1)
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package for $library: $depends"
    echo "Depends names $package for $library"
done
dpkg-deb -c "$deb" >"$work/deb-contents"
for file in "${expected[@]}"; do
    grep -q " \./usr/$file\$" "$work/deb-contents" || fail "the package lacks /usr/$file"
done
echo "== install check passed: $(basename "$deb")"
