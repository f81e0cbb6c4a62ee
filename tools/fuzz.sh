#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each on a scratch copy of its seed corpus,
# so the corpus under fuzz/corpus never grows.
#   bash tools/fuzz.sh short [seconds=20]              every target in turn; non-zero on any crash
#   bash tools/fuzz.sh long [seconds=600] [parallel=2] every target, `parallel` at a time, with a table
# Each run's log, scratch corpus and crash inputs are under build-fuzz/runs/<mode>/<target>/.
set -uo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: bash tools/fuzz.sh short [seconds] | long [seconds] [parallel]" >&2
    exit 2
}

mode=${1:-short}
case "$mode" in
short)
    seconds=${2:-20}
    parallel=1
    ;;
long)
    seconds=${2:-600}
    parallel=${3:-2}
    ;;
*) usage ;;
esac
[[ "$seconds" =~ ^[1-9][0-9]*$ && "$parallel" =~ ^[1-9][0-9]*$ ]] || usage

targets=(input)
runs=build-fuzz/runs/$mode
mkdir -p build-fuzz
rm -rf "$runs"
mkdir -p "$runs"

if ! cmake --preset fuzz >"$runs/configure.log" 2>&1; then
    echo "fuzz: configure failed, see $runs/configure.log" >&2
    exit 1
fi
if ! cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}" >"$runs/build.log" 2>&1; then
    echo "fuzz: build failed, see $runs/build.log" >&2
    exit 1
fi

# Undefined behaviour stops the run like a memory error or a leak does.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

run_target() {
    local name=$1 dir=$runs/$1
    mkdir -p "$dir/corpus" "$dir/crashes"
    cp fuzz/corpus/"$name"/* "$dir/corpus/"
    local dict=()
    [[ -f fuzz/dict/$name.dict ]] && dict=(-dict="fuzz/dict/$name.dict")
    local start=$SECONDS
    # -timeout: one input that takes this long is a hang, and a hang is reported like a crash.
    build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/crashes/" "${dict[@]}" "$dir/corpus" >"$dir/log.txt" 2>&1
    echo $? >"$dir/rc"
    echo $((SECONDS - start)) >"$dir/seconds"
}

# One line of figures for a finished target: executions, exec/s, cov, ft, corpus, crashes, seconds.
figures() {
    local dir=$runs/$1 log=$runs/$1/log.txt
    local execs rate cov ft corp status crashes
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    status=$(grep -E '^#[0-9]+.* cov: ' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
    corp=$(sed -n 's/.* corp: \([0-9]*\/[0-9]*[a-zA-Z]*\).*/\1/p' <<<"$status")
    crashes=$(find "$dir/crashes" -type f | wc -l)
    # A non-zero exit without a saved input (a sanitizer abort during start-up) still counts.
    if [[ $crashes -eq 0 && $(cat "$dir/rc") -ne 0 ]]; then
        crashes=1
    fi
    printf '%-14s %12s %9s %6s %7s %14s %8s %8s\n' "$1" "${execs:--}" "${rate:--}" "${cov:--}" "${ft:--}" \
        "${corp:--}" "$crashes" "$(cat "$dir/seconds")"
}

crashes_of() {
    figures "$1" | awk '{ print $7 }'
}

running=0
for name in "${targets[@]}"; do
    if ((running >= parallel)); then
        wait -n
        running=$((running - 1))
    fi
    run_target "$name" &
    running=$((running + 1))
done
wait

total=0
{
    printf '%-14s %12s %9s %6s %7s %14s %8s %8s\n' target executions exec/s cov ft corpus crashes seconds
    for name in "${targets[@]}"; do
        figures "$name"
    done
} >"$runs/summary.txt"

if [[ $mode == long ]]; then
    cat "$runs/summary.txt"
fi
for name in "${targets[@]}"; do
    count=$(crashes_of "$name")
    total=$((total + count))
    if [[ $mode == short ]]; then
        if ((count > 0)); then
            echo "fuzz: $name CRASHED, log $runs/$name/log.txt, input in $runs/$name/crashes/"
        else
            figures "$name" | awk '{ printf "fuzz: %-14s ok  %s runs, %s exec/s, cov %s, ft %s\n", $1, $2, $3, $4, $5 }'
        fi
    elif ((count > 0)); then
        echo "fuzz: $name CRASHED, log $runs/$name/log.txt, input in $runs/$name/crashes/"
    fi
done
echo "fuzz: ${#targets[@]} targets, $total crashes"
((total == 0))
