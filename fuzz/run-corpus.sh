#!/bin/sh
# The fuzzing check of CI: builds the fuzzing targets with clang (when BUILD_DIR has no build
# yet, it is configured for them) and runs each a few seconds from its seed corpus under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits 1 when any target finds something; the
# input is then kept in BUILD_DIR/artifacts/ci/.
# Usage: fuzz/run-corpus.sh [BUILD_DIR]   (default: build-fuzz; FUZZ_SECONDS per target, default 2)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-fuzz}
seconds=${FUZZ_SECONDS:-2}
readers="csv diarycsv diaryjson strong hevy fitnotes liftlog detect"

if [ ! -f "$build/build.ninja" ]; then
    launcher=
    command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    CC=clang-14 CXX=clang++-14 cmake -S "$top" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREPBOOK_BUILD_FUZZ=ON -DREPBOOK_BUILD_TESTS=OFF \
        -DREPBOOK_BUILD_BENCH=OFF $launcher
fi
targets=fuzz_files
for reader in $readers; do targets="$targets fuzz_$reader"; done
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts/ci"
status=0
run() { # target dictionary seed-folder...
    target=$1
    dict=$2
    shift 2
    mkdir -p "$work/$target"
    if "$build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=5 \
        -max_len=8192 -dict="$dict" -artifact_prefix="$build/artifacts/ci/$target-" \
        "$work/$target" "$@" >"$work/$target.log" 2>&1; then
        echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/$target.log")"
    else
        tail -n 40 "$work/$target.log"
        echo "$target: FINDING (input kept in $build/artifacts/ci/)"
        status=1
    fi
}
run fuzz_files "$top/fuzz/repbook.dict" "$top/tests/data/fuzz/corpus"
for reader in $readers; do
    seeds="$top/tests/data/fuzz/readers/$reader $top/tests/data/fuzz/readers/regressions"
    [ "$reader" = detect ] && seeds="$top/tests/data/fuzz/readers"
    # shellcheck disable=SC2086
    run "fuzz_$reader" "$top/fuzz/exchange.dict" $seeds "$top/tests/data/exchange"
done
exit $status
