#!/usr/bin/env bash
# Builds Letterloom.
#
#   scripts/build.sh win      the Windows program and its Wine-run tests, in build/win (Release)
#   scripts/build.sh native   the logic unit tests for Linux, in build/native (Debug)
#   scripts/build.sh all      both
#
# Configures a build folder the first time; later runs only build. Extra CMake
# options for a new configuration can be given in LETTERLOOM_CMAKE_ARGS.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${LETTERLOOM_JOBS:-2}"

configure_and_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    cmake -S "$root" -B "$dir" -G "Unix Makefiles" "$@" ${LETTERLOOM_CMAKE_ARGS:-}
  fi
  cmake --build "$dir" -j "$jobs"
}

build_win() {
  # Test discovery lists the tests of each test program under Wine while
  # building; a wineserver started for that is stopped afterwards. The Wine
  # environment stays in subshells so that the compilers keep the caller's locale.
  local server_before=no status=0
  "$root/scripts/wineprefix.sh"
  (source "$root/scripts/wine-env.sh" && letterloom_wineserver_running) && server_before=yes
  configure_and_build "$root/build/win" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-exec.sh" || status=$?
  if [ "$server_before" = no ]; then
    (source "$root/scripts/wine-env.sh" && letterloom_wineserver_stop)
  fi
  return "$status"
}

build_native() {
  configure_and_build "$root/build/native" -DCMAKE_BUILD_TYPE=Debug
}

case "${1:-}" in
  win) build_win ;;
  native) build_native ;;
  all) build_native && build_win ;;
  *)
    echo "usage: $0 win|native|all" >&2
    exit 2
    ;;
esac
