# Sourced by the run scripts: one private Wine prefix and one Xvfb display for
# this run, a persistent wineserver so later Wine starts are cheap, and a
# clean-up that ends only what this run started.
zel_wine_session_start() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEPREFIX
  WINEPREFIX=$(mktemp -d /tmp/zel-wineprefix.XXXXXX)
  ZEL_XVFB_PID=
  if [ -z "${ZEL_NO_XVFB:-}" ]; then
    local display
    for display in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    ZEL_XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  printf '[wine] prefix %s, display %s\n' "$WINEPREFIX" "${DISPLAY:-none}"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # A crash must not start winedbg and wait for somebody to attach.
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
  wineserver -p &
  ZEL_WINESERVER_PID=$!
  trap zel_wine_session_stop EXIT
}

zel_wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${ZEL_WINESERVER_PID:-}" ] && wait "$ZEL_WINESERVER_PID" 2>/dev/null || true
  [ -n "${ZEL_XVFB_PID:-}" ] && kill "$ZEL_XVFB_PID" 2>/dev/null || true
  [ -n "${WINEPREFIX:-}" ] && case "$WINEPREFIX" in /tmp/zel-wineprefix.*) rm -rf "$WINEPREFIX" ;; esac
}
