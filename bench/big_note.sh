#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The size limits a user meets: notes of 50 MB in the shapes that stress the
# build differently (typical slides, one huge bullet, millions of bullets on
# one slide, many two-column slides, lines the markup ignores), and a small
# note with a template of that size, each run through quillon-cli into a real
# .ppt under /usr/bin/time -v. Prints, per note, how it ended (saved, or the message it
# was refused with), the wall time and the peak resident memory beside its
# target (eight times the note's size plus the peak of a one-line note, the
# start-up cost; reported, never failed on), and fails when a note is neither
# saved nor refused with a message, or when the peak memory passes the
# stated bound. With --format pptx the notes are saved as .pptx, the target
# is four times the note plus the start-up cost, and the template shape is
# left out (a .pot design is not carried into a .pptx).
#   bench/big_note.sh [--format ppt|pptx] [build-dir] [megabytes] [memory-bound-MB]
set -euo pipefail
format=ppt
if [[ "${1:-}" == --format ]]; then
  format=${2:?--format needs ppt or pptx}
  shift 2
fi
factor=8
[[ "$format" == pptx ]] && factor=4
build_dir=${1:-build}
megabytes=${2:-50}
bound_mb=${3:-1536}
# shellcheck source=bench/bench-setup.sh
source "$(dirname "$0")/bench-setup.sh"
bench_setup "$build_dir"
bytes=$((megabytes * 1000 * 1000))

# Repeats a line until the note holds the wanted number of bytes.
make_note() { # name header line
  { printf '%s' "$2"; yes -- "$3" | head -c "$bytes" || true; } > "$work/$1.note"
}
{ printf 'One line\nTitle\n-Slide\n.'; head -c "$bytes" /dev/zero | tr '\0' x; } \
  > "$work/one-line.note"                                          # one 50 MB bullet
make_note many-slides $'Many slides\nTitle\n' $'-Slide\n.Point'      # ~4 M slides
make_note many-bullets $'Many bullets\nTitle\n-Slide\n' '.Point'    # one slide, ~7 M bullets
make_note two-columns $'Two columns\nTitle\n' $'--Sides\n.Left\n.Right\n.Left again\n.Right again'
make_note ignored-lines $'Ignored\nTitle\n' 'words the markup ignores'

if [[ "$format" == ppt ]]; then
  head -c "$bytes" /dev/urandom > "$work/huge.pot"
  printf 'Huge template\nTitle\n' > "$work/huge-template.note"
fi

# The fixed start-up cost: the peak of a note of one line.
printf 'Small\n' > "$work/small.note.txt"
mkdir -p "$work/out-small"
/usr/bin/time -f '%M' -o "$work/small.peak" "$cli" --format "$format" --no-template --quiet \
  --save-folder "$work/out-small" "$work/small.note.txt" > /dev/null 2>&1 || true
startup_kb=$(tail -n 1 "$work/small.peak")
printf 'start-up peak (a one-line note): %d MB\n' "$((startup_kb / 1024))"

status=0
for note in "$work"/*.note; do
  name=$(basename "$note" .note)
  template=(--no-template)
  [[ "$name" == huge-template ]] && template=(--template "$work/huge.pot")
  mkdir -p "$work/out-$name"
  set +e
  /usr/bin/time -v -o "$work/$name.time" timeout 600 \
    "$cli" --format "$format" "${template[@]}" --quiet --save-folder "$work/out-$name" "$note" \
    > "$work/$name.out" 2> "$work/$name.err"
  code=$?
  set -e
  peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/$name.time")
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/$name.time")
  peak_mb=$((peak_kb / 1024))
  target_mb=$(( (factor * $(wc -c < "$note") / 1024 + startup_kb) / 1024 ))
  [[ "$name" == huge-template ]] && target_mb=$(( (factor * bytes / 1024 + startup_kb) / 1024 ))
  if (( code == 0 )); then
    outcome="saved $(du -k "$work/out-$name"/*."$format" | awk '{print $1}') KB"
  elif [[ -s "$work/$name.err" ]] && (( code == 1 )); then
    outcome="refused: $(head -c 200 "$work/$name.err" | head -n 1)"
  else
    outcome="FAILED with status $code: $(head -c 200 "$work/$name.err" | head -n 1)"
    status=1
  fi
  if (( peak_mb > bound_mb )); then
    outcome="$outcome; OVER the ${bound_mb} MB bound"
    status=1
  fi
  printf '%-14s %s MB: %-60s %8s wall, peak %5d MB (target %5d MB: %s)\n' "$name" "$megabytes" \
    "$outcome" "$wall" "$peak_mb" "$target_mb" "$( ((peak_mb <= target_mb)) && echo met || echo not met)"
done
exit $status
