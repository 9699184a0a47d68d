#!/usr/bin/env bash
# Builds everything and runs all tests under Wine (unit and end-to-end).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
zel_build
zel_wine_session_start
printf '[test] running ctest\n'
cd "$root/build/mingw"
ctest --output-on-failure --timeout 600 "$@"
