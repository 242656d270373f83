# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Sourced by the benchmark scripts that run quillon-cli: finds it in the
# build folder, checks for /usr/bin/time, and makes the work folder, which
# goes when the script exits. Sets cli and work.
#   bench_setup BUILD-DIR
bench_setup() {
  cli="$1/cli/quillon-cli"
  [[ -x "$cli" ]] || { echo "missing $cli; build quillon-cli first" >&2; exit 2; }
  [[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}
