#!/usr/bin/env bash
# The README's table of figures, from one run of every benchmark, of startup.sh and of memory.sh:
# each figure next to its goal, under the date and the machine. The programs' whole output goes to
# BUILD_DIR/bench/report.log. Builds nothing: run tools/build.sh first.
#
# Usage: bench/report.sh [BUILD_DIR]     (default: build; N runs for startup.sh, 20 by default)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
log="$build/bench/report.log"
benchmarks=(bench_resultlist bench_history bench_export bench_overview bench_courierguess)

for program in "${benchmarks[@]}" bench_fetchwait; do
    [[ -x "$build/bench/$program" ]] || { echo "report: $build/bench/$program is not built" >&2; exit 1; }
done

: >"$log"
# run COMMAND...: runs it with its output in the log, and prints its rows of the table.
run() {
    local output status=0
    output="$("$@" 2>>"$log")" || status=$?
    printf '%s\n' "$output" >>"$log"
    ((status == 0)) || echo "report: $* ended with status $status (see $log)" >&2
    grep '^| ' <<<"$output" || true
    return "$status"
}

rows="$(
    failed=0
    for program in "${benchmarks[@]}"; do
        run "$build/bench/$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true ||
            failed=1
    done
    run "$build/bench/bench_fetchwait" || failed=1
    N="${N:-20}" run bash "$root/bench/startup.sh" "$build" || failed=1
    run bash "$root/bench/memory.sh" "$build" || failed=1
    exit "$failed"
)" || status=$?

cpu="$(sed -n 's/^Model name:[[:space:]]*//p' <(lscpu) | head -n 1)"
system="$(. /etc/os-release && echo "$PRETTY_NAME")"
qt="$(sed -n 's/^Version: //p' <(dpkg -s libqt6core6 2>/dev/null) | head -n 1)"
# The last commit that changed what was measured: a README that takes this table changes nothing.
measured=(-- . ':(exclude)README.md')
commit="$(git -C "$root" log -1 --format=%h "${measured[@]}" 2>/dev/null || true)"
git -C "$root" diff --quiet HEAD "${measured[@]}" 2>/dev/null || commit="${commit:-?} with changes"
echo "Measured $(date +%Y-%m-%d) on $(nproc) cores of ${cpu:-an unknown processor}, $system, Qt ${qt:-?}," \
    "commit ${commit:-?}:"
echo
echo "| measure | figure | goal |"
echo "|---|---|---|"
printf '%s\n' "$rows"
exit "${status:-0}"
