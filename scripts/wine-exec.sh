#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the project's prefix, and
# exits with the program's exit code. CMake uses it as the emulator for the
# cross-compiled test programs (CMAKE_CROSSCOMPILING_EMULATOR), so ctest and
# gtest_discover_tests run them through here.
#
#   scripts/wine-exec.sh PROGRAM.exe [ARGUMENTS...]
#
# Needs a display (DISPLAY); test.sh and run.sh provide one. Only listing the
# tests of a GoogleTest program (--gtest_list_tests, as test discovery does at
# build time) works without one.
set -uo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" || exit 1

if [ $# -eq 0 ]; then
  echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi

listing=no
for argument in "$@"; do
  [ "$argument" = --gtest_list_tests ] && listing=yes
done

if [ "$listing" = no ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "wine-exec.sh: DISPLAY is not set. Run the tests with ./test.sh, which starts" \
      "a virtual display, or export DISPLAY of a running X server." >&2
    exit 1
  fi
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "wine-exec.sh: the X display $DISPLAY does not answer." >&2
    exit 1
  fi
fi

if [ "$(cat "$LETTERLOOM_PREFIX_STAMP" 2>/dev/null)" = "" ]; then
  "$LETTERLOOM_ROOT/scripts/wineprefix.sh" >&2 || exit 1
fi

if [ "$listing" = yes ]; then
  letterloom_wineserver_start any || exit 1
else
  letterloom_wineserver_start || exit 1
fi

exec "$LETTERLOOM_WINE" "$@"
