#!/usr/bin/env bash
# The Wine environment of one build tree: a prefix, a display and a
# persistent wineserver, shared by every Windows-side test of that tree.
#
#   wine-env.sh start STATE_DIR   set up (idempotent), start Xvfb if needed
#   wine-env.sh stop STATE_DIR    end every Wine process of the prefix, Xvfb
#   wine-env.sh run STATE_DIR [--timeout S] [--locale L] PROGRAM [ARGS...]
#                                 run a Windows program there, bounded in time,
#                                 under locale L (ja_JP.UTF-8: code page 932)
set -euo pipefail

action=${1:?action}
state=${2:?state directory}
mkdir -p "$state"
state=$(cd "$state" && pwd)
shift 2

export WINEPREFIX="$state/prefix"
export WINEDEBUG=-all
# Wine's ANSI code page follows the locale: ja_JP gives code page 932.
export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

use_display() {
  if [ -n "${VLCFG_DISPLAY:-}" ]; then
    export DISPLAY="$VLCFG_DISPLAY"
  elif [ -f "$state/xvfb.display" ]; then
    export DISPLAY
    DISPLAY=$(cat "$state/xvfb.display")
  else
    unset DISPLAY
  fi
  [ -n "${DISPLAY:-}" ] || { echo "wine-env: no display; run '$0 start $state' first" >&2; exit 1; }
}

start_xvfb() {
  if [ -f "$state/xvfb.pid" ] && [ -s "$state/xvfb.display" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    return
  fi
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; fi
  rm -f "$state/xvfb.pid" "$state/xvfb.display"
  exec 3>"$state/xvfb.displayfd"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  exec 3>&-
  for _ in $(seq 100); do
    if [ -s "$state/xvfb.displayfd" ]; then
      echo ":$(head -n1 "$state/xvfb.displayfd")" >"$state/xvfb.display"
      return
    fi
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start; see $state/xvfb.log" >&2
  exit 1
}

make_prefix() {
  [ -f "$state/prefix.ready" ] && return
  rm -rf "$WINEPREFIX"
  timeout 120 wineboot -i </dev/null >"$state/wineboot.log" 2>&1
  # Wine draws the caption buttons with Marlett (from fonts-wine), which
  # this Wine build does not find in its data folder.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # The dialog asks for "ＭＳ Ｐゴシック"; draw it with IPA P Gothic.
  timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'IPAPGothic' /f </dev/null >>"$state/wineboot.log" 2>&1
  # Programs run inside a Wine virtual desktop: Wine draws the title bars
  # itself, and focus does not wait on a window manager that is not there.
  timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' \
    /v Desktop /t REG_SZ /d Default /f </dev/null >>"$state/wineboot.log" 2>&1
  timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' \
    /v Default /t REG_SZ /d 1024x768 /f </dev/null >>"$state/wineboot.log" 2>&1
  timeout 60 wineserver -w
  touch "$state/prefix.ready"
}

case "$action" in
  start)
    # One set-up at a time; the lock is not handed to the processes started.
    exec flock -o -w 300 "$state/lock" "$0" start-locked "$state"
    ;;
  start-locked)
    # Tests draw on their own Xvfb unless VLCFG_DISPLAY names a display.
    [ -n "${VLCFG_DISPLAY:-}" ] || start_xvfb
    use_display
    make_prefix
    # Kept alive between tests, so each start of a program is quick. No
    # output of the test runner's is handed to it. It fails when a server of
    # the prefix already runs (an earlier start that was never stopped),
    # which is as good.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    # Wine's own service processes start with the first program and outlive
    # it: start them here, so they hold no test's output open.
    timeout 60 wine cmd /c exit 0 >/dev/null 2>&1 </dev/null
    ;;
  stop)
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid"
    fi
    rm -f "$state/xvfb.display" "$state/xvfb.displayfd"
    ;;
  run)
    limit=110
    if [ "${1:-}" = --timeout ]; then limit=$2; shift 2; fi
    if [ "${1:-}" = --locale ]; then export LC_ALL=$2 LANG=$2; shift 2; fi
    use_display
    status=0
    timeout --kill-after=5 "$limit" wine "$@" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
      echo "wine-env: '$*' was still running after ${limit}s; ending the prefix's processes" >&2
      wineserver -k >/dev/null 2>&1 || true
    fi
    exit "$status"
    ;;
  *)
    echo "wine-env: unknown action $action" >&2
    exit 2
    ;;
esac
