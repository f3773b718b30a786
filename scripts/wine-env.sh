# shellcheck shell=bash
# This file is sourced, and the variables it sets are for the scripts that source it.
# shellcheck disable=SC2034
# Sourced by every script that runs Letterloom or its tests under Wine.
#
# Sets up the environment of the project's own Wine prefix and provides:
#   letterloom_wineserver_start   make sure a persistent wineserver serves the prefix
#   letterloom_wineserver_stop    stop it (and every Wine process of the prefix)
#   letterloom_wineserver_running true while a wineserver serves the prefix
# The Wine loader and server of the architecture are in $LETTERLOOM_WINE and
# $LETTERLOOM_WINESERVER (see arch.sh, which chooses the architecture).

# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/arch.sh"
letterloom_arch_select || return 1

# Each architecture has a prefix of its own, so switching never destroys the other.
# LETTERLOOM_WINEPREFIX lets two working copies of the project on one machine
# keep separate prefixes; normally the prefix lives in the build folder.
export WINEPREFIX="${LETTERLOOM_WINEPREFIX:-$LETTERLOOM_ROOT/build/wineprefix-$LETTERLOOM_ARCH}"
export WINEARCH="$LETTERLOOM_WINEARCH"
if [ "$LETTERLOOM_ARCH" = x86_64 ]; then
  # Programs that start other programs, and the loader looking for its server, take these.
  export WINELOADER="$LETTERLOOM_WINE" WINESERVER="$LETTERLOOM_WINESERVER"
else
  unset WINELOADER WINESERVER
fi
export WINEDEBUG=-all
# The program is a GBK one: with a Chinese locale Wine reports code page 936
# from GetACP(). The locale must exist on the Linux side too (setup.sh makes
# it), or command lines and file names with Chinese characters get mangled.
# (A shell started before the locale was made warns once; that is harmless.)
export LC_ALL=zh_CN.UTF-8 2>/dev/null
# Wine's own texts (message box buttons, standard dialogs) follow the locale
# too, as on a Chinese Windows, unless LANGUAGE asks for another language.
unset LANGUAGE
# Keep Wine from writing menu entries and file associations into $HOME.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

# The prefix is ready when this stamp holds the current version (see wineprefix.sh).
LETTERLOOM_PREFIX_STAMP="$WINEPREFIX/.letterloom-prefix"
# What the running persistent wineserver was started with (the display).
LETTERLOOM_SERVER_MARK="$WINEPREFIX/.letterloom-wineserver"
# Built by wineprefix.sh from desktop-anchor.c.
LETTERLOOM_TOOLS_DIR="$WINEPREFIX/drive_c/letterloom-tools"
LETTERLOOM_DESKTOP_ANCHOR="$LETTERLOOM_TOOLS_DIR/desktop-anchor.exe"

letterloom_wineserver_running() {
  # -k0 sends signal 0: succeeds only when a server for this prefix answers.
  "$LETTERLOOM_WINESERVER" -k0 </dev/null >/dev/null 2>&1
}

# Starts a persistent wineserver for the prefix, unless one started here for
# the same display is already running, and warms it up with one short Wine
# process so that Wine's own services are running before any test starts.
# With a display, it also starts desktop-anchor.exe, which keeps Wine's desktop
# process running until the server stops.
# Every stream is on /dev/null: a wineserver, service or desktop process that
# inherits the pipes of ctest or of a command substitution keeps them open
# after the program ends, and the reader waits for it.
# With "any" as argument, a running server is used whatever display it has.
letterloom_wineserver_start() {
  local want="display=${DISPLAY:-}" lock fd rc
  mkdir -p "$WINEPREFIX"
  lock="$WINEPREFIX/.letterloom-wineserver.lock"
  exec {fd}>"$lock"
  flock "$fd"
  if letterloom_wineserver_running; then
    if [ "${1:-}" = any ] || [ "$(cat "$LETTERLOOM_SERVER_MARK" 2>/dev/null)" = "$want" ]; then
      flock -u "$fd"; exec {fd}>&-
      return 0
    fi
    # Started by something else (a plain wine run, another display): start afresh.
    "$LETTERLOOM_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$LETTERLOOM_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  fi
  rc=0
  "$LETTERLOOM_WINESERVER" -p </dev/null >/dev/null 2>&1 || rc=$?
  if [ "$rc" = 0 ]; then
    printf '%s\n' "$want" >"$LETTERLOOM_SERVER_MARK"
    "$LETTERLOOM_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
    if [ -n "${DISPLAY:-}" ]; then
      _letterloom_start_desktop_anchor
    fi
  fi
  flock -u "$fd"; exec {fd}>&-
  if [ "$rc" != 0 ] && [ "$rc" != 2 ]; then
    echo "wine-env: could not start wineserver (exit $rc)" >&2
    return 1
  fi
}

_letterloom_start_desktop_anchor() {
  local ready="$LETTERLOOM_TOOLS_DIR/desktop-ready" i
  if [ ! -f "$LETTERLOOM_DESKTOP_ANCHOR" ]; then
    echo "wine-env: $LETTERLOOM_DESKTOP_ANCHOR is missing; run scripts/wineprefix.sh" >&2
    return 0
  fi
  rm -f "$ready"
  setsid -f "$LETTERLOOM_WINE" "$LETTERLOOM_DESKTOP_ANCHOR" 'C:\letterloom-tools\desktop-ready' </dev/null >/dev/null 2>&1
  for ((i = 0; i < 400; i++)); do
    [ -e "$ready" ] && return 0
    sleep 0.05
  done
  echo "wine-env: Wine's desktop did not start on display ${DISPLAY:-}" >&2
}

letterloom_wineserver_stop() {
  if letterloom_wineserver_running; then
    "$LETTERLOOM_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$LETTERLOOM_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  fi
  rm -f "$LETTERLOOM_SERVER_MARK"
}
