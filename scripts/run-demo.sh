#!/usr/bin/env bash
# Builds everything, lays out a demo program directory and starts it under
# Wine the way a user would, then shows what happened:
#   starter.exe -> velotra.dll (the sample application, playing the browser
#   process) -> starter.exe --type=renderer -> ZelWebRenderer.dll -> the page's
#   cpp.JS_COMMUNICATION calls -> back in velotra's report.
# The CEF runtime beside them is the stand-in from test-bin (the real libcef
# cannot be installed here).
#
# --with-update stages samples/staged_update/delayup in the program directory
# first, so the start applies it (with a backup, removed afterwards).
set -euo pipefail
with_update=0
[ "${1:-}" = --with-update ] && with_update=1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
zel_build

build=$root/build/mingw
demo=$build/demo
printf '[demo] program directory %s\n' "$demo"
rm -rf "$demo"
mkdir -p "$demo"
cp "$build"/program/* "$demo"/
cp -r "$build"/demo-bin/* "$demo"/
cp "$build"/test-bin/libcef.dll "$demo"/
if [ "$with_update" = 1 ]; then
  printf '[demo] staging an update in %s/delayup\n' "$demo"
  cp -r "$root/samples/staged_update/delayup" "$demo"/
fi

zel_wine_session_start
printf '[demo] wine starter.exe\n'
set +e
wine "$demo/starter.exe"
code=$?
set -e
printf '[demo] starter.exe exited with %s\n' "$code"
printf '\n--- velotra-output.txt (what the start module saw) ---\n'
cat "$demo/velotra-output.txt" 2>/dev/null || echo "(none)"
printf '\n--- log/start.log ---\n'
tr -d '\r' <"$demo/log/start.log"
printf '\n--- program directory afterwards ---\n'
(cd "$demo" && find . -mindepth 1 -not -path './log/*' | sort)
