#!/usr/bin/env bash
# Benchmark of the delayed update under Wine: the launcher's walk (with its
# start-up log) against a bare Win32 loop doing the same directory creations,
# moves and removals, on trees of staged files in 100 directories, half of
# them replacing installed files. Runs of the two sides alternate; each run
# gets a freshly staged tree; medians and their ratio are printed. The fixed
# 300 ms wait of the delayed update is left out of both sides. Then the peak
# memory of the real starter.exe applying each tree.
#   benchmarks/run-delayed-update-bench.sh [sizes...]   (default 1000 10000 50000)
# BENCH_RUNS_<size> overrides the number of runs per side for a size.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
zel_build >/dev/null
ZEL_NO_XVFB=${ZEL_NO_XVFB:-1} zel_wine_session_start >/dev/null

bin="$root/build/mingw/bench-bin"
work_unix="$WINEPREFIX/drive_c/zel-bench"
work='C:\zel-bench'
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 50000)
dirs=100

default_runs() { if [ "$1" -le 1000 ]; then echo 9; elif [ "$1" -le 10000 ]; then echo 5; else echo 3; fi; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Stages a fresh tree and runs one side on it; prints its seconds. The side
# "noflush" is the launcher with a log channel that does not flush after
# every line, to show what the flushing costs.
run_side() {
  local side=$1 files=$2
  rm -rf "$work_unix"
  mkdir -p "$work_unix"
  wine "$bin/bench_stage.exe" "$work\\app" "$files" "$dirs"
  case $side in
    noflush) wine "$bin/bench_launcher.exe" "$work\\app" bk_1 noflush ;;
    *) wine "$bin/bench_$side.exe" "$work\\app" bk_1 ;;
  esac | tr -d '\r'
}

printf '\n%-8s %4s %13s %13s %7s %13s %7s %11s %11s\n' files runs 'launcher [s]' 'floor [s]' ratio \
  'noflush [s]' ratio 'launcher/f' 'floor/f'
for files in "${sizes[@]}"; do
  var="BENCH_RUNS_$files"
  runs=${!var:-$(default_runs "$files")}
  results=$(mktemp -d)
  for run in $(seq "$runs"); do
    # Rotate which side goes first.
    case $((run % 3)) in
      1) order="launcher floor noflush" ;;
      2) order="floor noflush launcher" ;;
      0) order="noflush launcher floor" ;;
    esac
    for side in $order; do
      run_side "$side" "$files" >>"$results/$side"
    done
  done
  launcher=$(median <"$results/launcher")
  floor=$(median <"$results/floor")
  noflush=$(median <"$results/noflush")
  rm -rf "$results"
  awk -v n="$files" -v r="$runs" -v l="$launcher" -v f="$floor" -v u="$noflush" 'BEGIN {
    printf "%-8d %4d %13.3f %13.3f %7.2f %13.3f %7.2f %8.0f us %8.0f us\n",
      n, r, l, f, l / f, u, u / f, l / n * 1e6, f / n * 1e6 }'
done

# Peak memory of the real launcher: a probe start module reports the peak
# working set and peak private bytes once the delayed update is done.
printf '\n%-8s %18s %18s\n' files 'peak working set' 'peak private'
for files in 0 "${sizes[@]}"; do
  rm -rf "$work_unix"
  mkdir -p "$work_unix/app"
  [ "$files" -gt 0 ] && wine "$bin/bench_stage.exe" "$work\\app" "$files" "$dirs"
  cp "$root/build/mingw/program/starter.exe" "$work_unix/app/"
  cp "$bin/bench_memory_module.dll" "$work_unix/app/velotra.dll"
  wine "$work\\app\\starter.exe" || true
  read -r peak private <"$work_unix/app/memory.txt"
  awk -v n="$files" -v w="$peak" -v p="$private" 'BEGIN { printf "%-8d %15.1f MB %15.1f MB\n", n, w / 1048576, p / 1048576 }'
done
rm -rf "$work_unix"
