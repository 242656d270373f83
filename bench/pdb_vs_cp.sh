#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times the image converter on a 60 MB image against cp copying the same file,
# run after run in the same folder, and fails when the converter's median time
# is more than twice cp's.
#   bench/pdb_vs_cp.sh [build-dir] [runs]
# Needs the converter's command-line driver:
#   cmake --build <build-dir> --target tavik_pdb_convert
set -euo pipefail
build_dir=${1:-build}
runs=${2:-9}
size=60000000
limit_percent=200

converter="$build_dir/image_converter/tavik_pdb_convert"
if [[ ! -x "$converter" ]]; then
  echo "missing $converter; build the target tavik_pdb_convert first" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c "$size" /dev/urandom > "$work/Image.gif"
cat "$work/Image.gif" > /dev/null # both start from a warm cache

# Microseconds that one run of the command takes; its output file is removed
# beforehand, so neither tool pays for dropping an old file.
time_us() {
  local output=$1
  shift
  rm -f "$output"
  local start=${EPOCHREALTIME/./}
  "$@" > /dev/null
  local end=${EPOCHREALTIME/./}
  echo $(( end - start ))
}

median() {
  printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"
}

cp_times=()
converter_times=()
for (( run = 0; run < runs; run++ )); do
  cp_times+=("$(time_us "$work/Copy.gif" cp "$work/Image.gif" "$work/Copy.gif")")
  converter_times+=("$(time_us "$work/Image.pdb" "$converter" "$work/Image.gif")")
done

# The database must hold the image whole behind its 78-byte header and list.
expected_size=$(( size + 78 + 8 * ((size + 64999) / 65000) ))
actual_size=$(stat -c %s "$work/Image.pdb")
if (( actual_size != expected_size )); then
  echo "the database has $actual_size bytes, not $expected_size" >&2
  exit 1
fi

cp_us=$(median "${cp_times[@]}")
converter_us=$(median "${converter_times[@]}")
percent=$(( converter_us * 100 / cp_us ))
printf '%d MB image, median of %d runs each\n' $(( size / 1000000 )) "$runs"
printf '  cp:        %6d.%01d ms\n' $(( cp_us / 1000 )) $(( cp_us / 100 % 10 ))
printf '  converter: %6d.%01d ms  (%d%% of cp; the limit is %d%%)\n' \
  $(( converter_us / 1000 )) $(( converter_us / 100 % 10 )) "$percent" "$limit_percent"
(( percent <= limit_percent ))
