#!/usr/bin/env bash
# Builds Letterloom and runs it under Wine.
#
# With a working X display (DISPLAY), the program opens there and this script
# waits until it is closed. Without one, it runs on a virtual display, saves a
# screenshot of the main window to letterloom.png, closes the program through
# its File menu and exits.
#
# The first line names the architecture that runs (see scripts/arch.sh): the
# 32-bit program where this host runs 32-bit code, otherwise the 64-bit one.
# LETTERLOOM_ARCH=i686|x86_64 chooses one.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
# shellcheck source=scripts/arch.sh
source "$root/scripts/arch.sh"
letterloom_arch_select
letterloom_arch_banner

"$root/scripts/setup.sh"
# The program and its help file only; ./test.sh builds the tests.
"$root/scripts/build.sh" exe

exe="$LETTERLOOM_BUILD_DIR/Letterloom.exe"
if [ ! -f "$exe" ]; then
  echo "run.sh: $exe was not built" >&2
  exit 1
fi

# shellcheck source=scripts/xvfb.sh
source "$root/scripts/xvfb.sh"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

server_before=no
letterloom_wineserver_running && server_before=yes

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  letterloom_wineserver_start ""
  if [ "$server_before" = no ]; then letterloom_at_exit letterloom_wineserver_stop; fi
  status=0
  "$LETTERLOOM_WINE" "$exe" || status=$?
  exit "$status"
fi

letterloom_xvfb_start
letterloom_wineserver_start ""
if [ "$server_before" = no ]; then letterloom_at_exit letterloom_wineserver_stop; fi

"$LETTERLOOM_WINE" "$exe" </dev/null >"$root/build/letterloom-run.log" 2>&1 &
program=$!

# The largest visible X window titled exactly "Letterloom".
main_window() {
  local id best="" best_area=0 width height
  for id in $(xdotool search --onlyvisible --name '^Letterloom$' 2>/dev/null); do
    unset WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
    width=${WIDTH:-0} height=${HEIGHT:-0}
    if ((width * height > best_area)); then best=$id best_area=$((width * height)); fi
  done
  echo "$best"
}

window=""
for ((i = 0; i < 600; i++)); do
  window=$(main_window)
  [ -n "$window" ] && break
  if ! kill -0 "$program" 2>/dev/null; then
    echo "run.sh: Letterloom ended before showing its window; see build/letterloom-run.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run.sh: no window named Letterloom appeared within 60 s" >&2
  exit 1
fi

# The program pauses during its first showing; let it finish painting.
sleep 3
window=$(main_window)
if [ -z "$window" ]; then
  echo "run.sh: the Letterloom window disappeared" >&2
  exit 1
fi
letterloom_screenshot "$root/letterloom.png" "$window"
echo "$root/letterloom.png"

# Close it as a person would: Alt+F opens the File menu; two of its items share
# the access key E, so go up from the first item to the last one, Exit.
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key Up
sleep 0.2
xdotool key Return

for ((i = 0; i < 150; i++)); do
  if ! kill -0 "$program" 2>/dev/null; then
    wait "$program" || true
    exit 0
  fi
  sleep 0.1
done
echo "run.sh: Letterloom did not end within 15 s after File > Exit" >&2
kill "$program" 2>/dev/null || true
exit 1
