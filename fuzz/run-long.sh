#!/bin/sh
# Long runs of the reader targets, one after another at low priority: each until RUNS
# executions (default 1000000) or SECONDS seconds (default 3600), whichever comes first.
# Usage: fuzz/run-long.sh BUILD_DIR [TARGET...]   (default: every reader target)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build folder}
shift
runs=${RUNS:-1000000}
seconds=${SECONDS_PER_TARGET:-3600}
targets=${*:-csv diarycsv diaryjson strong hevy fitnotes liftlog detect}
for target in $targets; do
    seeds="$top/tests/data/fuzz/readers/$target $top/tests/data/fuzz/readers/regressions $top/tests/data/exchange"
    [ "$target" = detect ] && seeds="$top/tests/data/fuzz/readers $top/tests/data/exchange"
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    # shellcheck disable=SC2086
    nice -n 15 "$build/bin/fuzz_$target" -runs="$runs" -max_total_time="$seconds" \
        -rss_limit_mb=1024 -timeout=5 -max_len=8192 -print_final_stats=1 \
        -dict="$top/fuzz/exchange.dict" -artifact_prefix="$build/artifacts/$target/" \
        "$build/corpus/$target" $seeds > "$build/fuzz_$target.log" 2>&1 ||
        echo "fuzz_$target: finding, see $build/fuzz_$target.log"
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|Done [0-9]+ runs" \
        "$build/fuzz_$target.log" | sed "s/^/fuzz_$target: /"
done
