#!/bin/sh
# Runs every fuzz target over its committed corpus (tests/fuzz/corpus/<target>).
#
#   run_fuzz.sh BUILD search SECONDS   look for new inputs, SECONDS per target
#   run_fuzz.sh BUILD replay RUNS      the corpus, then RUNS mutations from a fixed
#                                      seed: the same inputs every time
#
# New inputs go to BUILD/fuzz-out/<target>/, never into the committed corpus.
# A finding (a crash, a broken check, a leak, a time-out) is kept under
# BUILD/findings/<target>/ and makes the run end with status 1. Each target
# reports its executions, coverage (edges "cov", features "ft") and findings.
set -u
BUILD=$1 MODE=$2 AMOUNT=$3
HERE=$(cd "$(dirname "$0")" && pwd)
TARGETS="datafiles savegame history"
failed=0

for target in $TARGETS; do
    out="$BUILD/fuzz-out/$target" findings="$BUILD/findings/$target" log="$BUILD/fuzz-$target.log"
    rm -rf "$out" "$findings"
    mkdir -p "$out" "$findings"
    if [ "$MODE" = search ]; then
        limit="-max_total_time=$AMOUNT"
    else
        # Comparisons record addresses, which vary from run to run: left out.
        limit="-seed=1 -runs=$AMOUNT -use_cmp=0"
    fi
    # shellcheck disable=SC2086  # $limit holds two options
    "$BUILD/fuzz_$target" $limit -max_len=16384 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$out" "$HERE/corpus/$target" \
        >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(sed -n 's/.*DONE *cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\).*/cov \1  ft \2  corpus \3/p' "$log")
    found=$(ls "$findings" | wc -l)
    printf '%-10s %10s executions  %s  findings %s\n' "$target" "${runs:-?}" "${cov:-(no final coverage)}" "$found"
    if [ $status -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        echo "  see $log and $findings/"
        grep -m 5 -E "ERROR|runtime error|==[0-9]+==|\.cpp:[0-9]+:" "$log" | sed 's/^/  /'
    fi
done
exit $failed
