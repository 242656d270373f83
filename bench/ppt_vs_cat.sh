#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A 10,000-line note (bench/gen-note) to a .ppt on disk through quillon-cli
# with the shipped template, against cat copying that .ppt, both timed in
# this one run on this machine. Time is process time (user and system, the
# start-up included) and wall time; the ratio of the process times is set
# beside its target. Also shows the peak memory of one
# run beside eight times the note's size. It reports; it does not fail on a
# target (only when nothing was saved).
#   bench/ppt_vs_cat.sh [build-dir] [note-lines] [runs a round] [target-ratio]
set -euo pipefail
build_dir=${1:-build}
lines=${2:-10000}
runs=${3:-20}
target=${4:-12}
here=$(dirname "$0")
# shellcheck source=bench/bench-setup.sh
source "$(dirname "$0")/bench-setup.sh"
bench_setup "$build_dir"
"$here/gen-note" "$lines" > "$work/talk.note"
mkdir -p "$work/out"
ppt="$work/out/Generated talk.ppt"

# Prints "process-ms wall-ms" of one run of the command, the mean of a loop of
# runs: the kernel counts process time in ticks, which a single run of a few
# milliseconds would round away. Before each run an output file (not
# /dev/null) is removed, so each run makes a new file.
# With perf (Debian linux-perf) present, the task clock is read instead.
measure() { # runs output-file command...
  local TIMEFORMAT='%3U %3S %3R' runs=$1 output=$2 line
  shift 2
  if perf stat -e task-clock true > /dev/null 2>&1; then
    local start=${EPOCHREALTIME/./}
    line=$(perf stat -x, -e task-clock -r "$runs" "$@" 2>&1 > "$output") || exit 1
    local end=${EPOCHREALTIME/./}
    awk -F, -v n="$runs" -v us=$((end - start)) '/task-clock/ { printf "%.2f %.2f\n", $1, us / 1000 / n }' \
      <<< "$line"
    return
  fi
  line=$({ time for ((run = 0; run < runs; ++run)); do
    [[ "$output" == /dev/null ]] || rm -f "$output"
    "$@" > "$output" 2> /dev/null || exit 1
  done; } 2>&1) || { echo "$* failed" >&2; exit 1; }
  awk -v n="$runs" '{ printf "%.2f %.2f\n", ($1 + $2) * 1000 / n, $3 * 1000 / n }' <<< "$line"
}

cat "$work/talk.note" > /dev/null
# Ours writes the .ppt itself (replacing the one of the run before); cat
# writes a new copy beside it. The pair runs a few times, the best pair counts.
ours_cpu="" ours_wall="" cat_cpu="" cat_wall=""
for ((round = 0; round < 3; ++round)); do
  read -r cpu wall < <(measure "$runs" /dev/null "$cli" --overwrite --quiet --save-folder "$work/out" "$work/talk.note")
  [[ -s "$ppt" ]] || { echo "no presentation was saved" >&2; exit 1; }
  read -r ccpu cwall < <(measure "$runs" "$work/copy.ppt" cat "$ppt")
  if [[ -z "$ours_cpu" ]] || awk -v a="$cpu" -v b="$ours_cpu" 'BEGIN { exit !(a < b) }'; then
    ours_cpu=$cpu ours_wall=$wall
  fi
  if [[ -z "$cat_cpu" ]] || awk -v a="$ccpu" -v b="$cat_cpu" 'BEGIN { exit !(a < b) }'; then
    cat_cpu=$ccpu cat_wall=$cwall
  fi
done
read -r version_cpu _ < <(measure "$runs" /dev/null "$cli" --version)

/usr/bin/time -f '%M' -o "$work/peak" "$cli" --overwrite --quiet --save-folder "$work/out" \
  "$work/talk.note" > /dev/null
note_kb=$(( $(wc -c < "$work/talk.note") / 1024 ))
peak_kb=$(cat "$work/peak")

printf 'note: %d lines, %d slides, %d KB; .ppt %d KB\n' "$lines" \
  "$(( $(grep -c '^-' "$work/talk.note") + 1 ))" "$note_kb" "$(( $(wc -c < "$ppt") / 1024 ))"
printf 'quillon-cli --version: %8.1f ms process\n' "$version_cpu"
printf 'quillon-cli note->ppt: %8.1f ms process, %8.1f ms wall\n' "$ours_cpu" "$ours_wall"
printf 'cat of the .ppt:       %8.1f ms process, %8.1f ms wall\n' "$cat_cpu" "$cat_wall"
awk -v o="$ours_cpu" -v c="$cat_cpu" -v t="$target" 'BEGIN {
    if (c < 0.1) c = 0.1 # below the clock: count it as 0.1 ms
    printf "ratio (process time): %.1fx cat (target at most %dx): %s\n", o / c, t, o / c <= t ? "met" : "not met"
}'
printf 'peak memory: %d KB (8x the note: %d KB, plus the start-up cost)\n' "$peak_kb" "$((8 * note_kb))"
