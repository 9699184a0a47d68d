# Sourced by the run scripts: one private Wine prefix and one Xvfb display for
# this run, a persistent wineserver so later Wine starts are cheap, and a
# clean-up that ends only what this run started.
zel_wine_session_start() {
  # The clean-up is in place before anything is started, so a failure at any
  # later point still ends what this run started, and only that.
  ZEL_WINEPREFIX=
  ZEL_XVFB_PID=
  ZEL_XVFB_DISPLAYFILE=
  ZEL_WINESERVER_PID=
  trap zel_wine_session_stop EXIT
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  ZEL_WINEPREFIX=$(mktemp -d /tmp/zel-wineprefix.XXXXXX)
  export WINEPREFIX=$ZEL_WINEPREFIX
  if [ -z "${ZEL_NO_XVFB:-}" ]; then
    # Xvfb picks a free display itself and writes its number once it accepts
    # connections, so parallel runs never race for the same one.
    ZEL_XVFB_DISPLAYFILE=$(mktemp /tmp/zel-xvfb-display.XXXXXX)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ZEL_XVFB_DISPLAYFILE" >/dev/null 2>&1 &
    ZEL_XVFB_PID=$!
    local display=
    for _ in $(seq 100); do
      display=$(tr -dc '0-9' <"$ZEL_XVFB_DISPLAYFILE")
      [ -n "$display" ] && break
      kill -0 "$ZEL_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -z "$display" ]; then
      printf '[wine] Xvfb did not start\n' >&2
      return 1
    fi
    export DISPLAY=":$display"
  fi
  printf '[wine] prefix %s, display %s\n' "$WINEPREFIX" "${DISPLAY:-none}"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # A crash must not start winedbg and wait for somebody to attach.
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
  wineserver -p &
  ZEL_WINESERVER_PID=$!
}

zel_wine_session_stop() {
  # Runs as an EXIT trap, possibly under set -e: no step may end it early.
  if [ -n "${ZEL_WINEPREFIX:-}" ]; then
    WINEPREFIX=$ZEL_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${ZEL_WINESERVER_PID:-}" ]; then wait "$ZEL_WINESERVER_PID" 2>/dev/null || true; fi
  if [ -n "${ZEL_XVFB_PID:-}" ]; then kill "$ZEL_XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${ZEL_XVFB_DISPLAYFILE:-}" ]; then rm -f "$ZEL_XVFB_DISPLAYFILE"; fi
  if [ -n "${ZEL_WINEPREFIX:-}" ]; then rm -rf "$ZEL_WINEPREFIX"; fi
  return 0
}
