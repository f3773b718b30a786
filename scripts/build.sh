#!/usr/bin/env bash
# Builds Letterloom.
#
#   scripts/build.sh win      the Windows program and its Wine-run tests, in build/win-ARCH (Release)
#   scripts/build.sh exe      only Letterloom.exe and its help file Letterloom.chm, in build/win-ARCH
#                             (what ./run.sh needs: no test program, no GoogleTest)
#   scripts/build.sh native   the logic unit tests for Linux, in build/native (Debug)
#   scripts/build.sh all      native and win
#
# ARCH is the architecture arch.sh chooses (LETTERLOOM_ARCH=i686|x86_64 forces one).
# Building runs no Windows program, so the i686 program builds on every host.
# Configures a build folder the first time; later runs only build. Extra CMake
# options for a new configuration can be given in LETTERLOOM_CMAKE_ARGS.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${LETTERLOOM_JOBS:-2}"
# shellcheck source=scripts/arch.sh
source "$root/scripts/arch.sh"

configure() {
  local dir="$1"
  shift
  local extra=()
  read -ra extra <<<"${LETTERLOOM_CMAKE_ARGS:-}"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -G "Unix Makefiles" "$@" "${extra[@]}"
  fi
}

# The test programs run through wine-exec.sh with the architecture of their build folder,
# whatever the caller's LETTERLOOM_ARCH is.
configure_win() {
  configure "$LETTERLOOM_BUILD_DIR" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$LETTERLOOM_ARCH.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="env;LETTERLOOM_ARCH=$LETTERLOOM_ARCH;$root/scripts/wine-exec.sh"
}

build_native() {
  configure "$root/build/native" -DCMAKE_BUILD_TYPE=Debug
  cmake --build "$root/build/native" -j "$jobs"
}

case "${1:-}" in
  win | exe | all)
    letterloom_arch_select
    ;;
esac
case "${1:-}" in
  win) configure_win && cmake --build "$LETTERLOOM_BUILD_DIR" -j "$jobs" ;;
  exe) configure_win && cmake --build "$LETTERLOOM_BUILD_DIR" -j "$jobs" --target Letterloom letterloom_help ;;
  native) build_native ;;
  all) build_native && configure_win && cmake --build "$LETTERLOOM_BUILD_DIR" -j "$jobs" ;;
  *)
    echo "usage: $0 win|exe|native|all" >&2
    exit 2
    ;;
esac
