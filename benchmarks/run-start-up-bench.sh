#!/usr/bin/env bash
# Benchmark of the start under Wine: starter.exe against a bare loader (a GUI
# program that imports user32, loads the start module by name and calls its
# main). Both lie in one program directory with a start module that records
# when its main is reached; each start is timed from just before
# CreateProcess to that moment. Starts of the two alternate; medians, their
# ratio and the median of the run-by-run differences are printed.
#   benchmarks/run-start-up-bench.sh [runs]   (default 60 per side)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
zel_build >/dev/null
zel_wine_session_start >/dev/null

runs=${1:-60}
bin="$root/build/mingw/bench-bin"
work_unix="$WINEPREFIX/drive_c/zel-start-bench"
work='C:\zel-start-bench'
rm -rf "$work_unix"
mkdir -p "$work_unix"
cp "$root/build/mingw/program/starter.exe" "$bin/bench_bare_loader.exe" "$work_unix/"
cp "$bin/bench_start_module.dll" "$work_unix/velotra.dll"

read -r n launcher floor ratio difference < <(wine "$bin/bench_start_timer.exe" "$runs" \
  "$work\\starter.exe" "$work\\bench_bare_loader.exe" | tr -d '\r')
printf '\n%5s %14s %18s %7s %24s\n' runs 'starter [ms]' 'bare loader [ms]' ratio 'run-by-run overhead [ms]'
awk -v n="$n" -v l="$launcher" -v f="$floor" -v r="$ratio" -v d="$difference" 'BEGIN {
  printf "%5d %14.2f %18.2f %7.2f %24.2f\n", n, l, f, r, d }'
rm -rf "$work_unix"
