#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long LibreOffice takes to open a presentation of ours, without a
# template, with the shipped quillon.pot, and the same content once
# LibreOffice has saved it itself. Each file is opened by a headless
# conversion to OpenDocument. Fails when the template costs more than twice
# the time without it.
#   bench/lo_open_time.sh [build-dir] [slides] [mixed-script bullets]
set -euo pipefail
build_dir=${1:-build}
slides=${2:-1000}
bullets=${3:-300}
cli="$build_dir/cli/quillon-cli"
template="$build_dir/data/quillon.pot"
[[ -x "$cli" && -f "$template" ]] || { echo "build quillon-cli and quillon.pot first" >&2; exit 2; }
command -v soffice > /dev/null || { echo "needs LibreOffice (soffice)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
words=(Café 東京 данные مرحبا שלום Ünïcødé résumé 数据 κόσμος hello ελληνικά 한국어 ไทย)
{
  printf 'Open time\nMixed scripts\n'
  for ((s = 1; s <= slides; ++s)); do
    printf -- '-Slide %d\n' "$s"
    # The bullets spread over the first slides, levels one to three.
    for ((b = s; b <= bullets; b += slides)); do
      dots=$(printf '%*s' $((1 + b % 3)) '' | tr ' ' .)
      printf '%s%s %s %s %s\n' "$dots" "${words[b % 13]}" "${words[(b + 3) % 13]}" \
        "${words[(b + 7) % 13]}" "${words[(b + 11) % 13]}"
    done
  done
} > "$work/open.note"

mkdir "$work/plain" "$work/designed"
"$cli" --no-template --quiet --save-folder "$work/plain" "$work/open.note" > /dev/null
"$cli" --template "$template" --quiet --save-folder "$work/designed" "$work/open.note" > /dev/null

open_seconds() { # file
  local start end
  start=$(date +%s.%N)
  timeout 1800 soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --convert-to odp --outdir "$work/out" "$1" > /dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

open_seconds "$work/plain/Open time.ppt" > /dev/null # first start builds the profile
soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
  --convert-to ppt --outdir "$work/resaved" "$work/designed/Open time.ppt" > /dev/null 2>&1
plain=$(open_seconds "$work/plain/Open time.ppt")
designed=$(open_seconds "$work/designed/Open time.ppt")
resaved=$(open_seconds "$work/resaved/Open time.ppt")
printf '%d slides, %d bullets\n' "$slides" "$bullets"
printf '  no template        %6.1f s\n' "$plain"
printf '  shipped template   %6.1f s\n' "$designed"
printf '  saved by LibreOffice %4.1f s\n' "$resaved"
if (($(echo "$designed > 2 * $plain" | bc))); then
  echo "the template costs more than twice the time without it" >&2
  exit 1
fi
