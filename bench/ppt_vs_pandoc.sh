#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Our whole path from note to .ppt (markup, builder, object model, writer,
# file on disk, through quillon-cli) against pandoc turning the same outline,
# written as Markdown, into a .pptx. Both run in this one script on the same
# machine, one after the other: ours the best of a few runs, pandoc (about a
# minute at 100,000 lines) once. It fails unless ours is at least the stated
# factor faster.
#   bench/ppt_vs_pandoc.sh [build-dir] [note-lines] [factor] [runs of ours]
set -euo pipefail
build_dir=${1:-build}
lines=${2:-100000}
factor=${3:-20}
runs=${4:-3}
# shellcheck source=bench/bench-setup.sh
source "$(dirname "$0")/bench-setup.sh"
bench_setup "$build_dir"
command -v pandoc > /dev/null || { echo "needs pandoc (Debian package pandoc)" >&2; exit 2; }

# The outline: a title slide, then slides of one or two columns (three in a
# hundred lines, so 100,000 lines stay below the 4,000 slides a .ppt
# may hold) with bullets whose level rises by at most one from the bullet
# before, so that Markdown nests every one of them as the note does.
awk -v lines="$lines" 'BEGIN {
    srand(7)
    print "Generated talk"; print "A long presentation"
    level = 0
    for (i = 2; i < lines; ++i) {
        pick = int(rand() * 100)
        if (i == 2 || pick < 2) { print "-Slide about topic " i; level = 0 }
        else if (pick == 2) { print "--Two sides of topic " i; level = 0 }
        else {
            top = level + 1 > 4 ? 4 : level + 1
            level = 1 + int(rand() * top)
            dots = ""; for (d = 0; d < level; ++d) dots = dots "."
            print dots "Point number " i
        }
    }
}' > "$work/talk.note"

"$(dirname "$0")/note-to-markdown" "$work/talk.note" > "$work/talk.md"

now() { date +%s.%N; }
best_of() { # count command...: prints the shortest wall time of count runs, in seconds
  local count=$1 best="" start end
  shift
  for ((run = 0; run < count; ++run)); do
    start=$(now)
    "$@" > /dev/null
    end=$(now)
    best=$(awk -v b="$best" -v t="$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')" \
      'BEGIN { print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}

mkdir -p "$work/ours"
ours=$(best_of "$runs" "$cli" --no-template --overwrite --quiet --save-folder "$work/ours" "$work/talk.note")
theirs=$(best_of 1 pandoc --slide-level=2 -o "$work/talk.pptx" "$work/talk.md")

ppt="$work/ours/Generated talk.ppt"
[[ -s "$ppt" && -s "$work/talk.pptx" ]] || { echo "a presentation was not written" >&2; exit 1; }
slides=$(grep -c '^-' "$work/talk.note")
printf 'outline: %d note lines, %d slides (Markdown: %d lines)\n' \
  "$lines" "$((slides + 1))" "$(wc -l < "$work/talk.md")"
printf 'quillon-cli -> .ppt : %8.3f s  (%d KB)\n' "$ours" "$(du -k "$ppt" | cut -f1)"
printf 'pandoc      -> .pptx: %8.3f s  (%d KB)\n' "$theirs" "$(du -k "$work/talk.pptx" | cut -f1)"
awk -v o="$ours" -v t="$theirs" -v f="$factor" 'BEGIN {
    ratio = t / o
    ok = ratio >= f
    printf "ours is %.1f times faster (at least %d expected): %s\n", ratio, f, ok ? "ok" : "FAILED"
    exit !ok
}'
