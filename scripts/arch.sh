# shellcheck shell=bash
# This file is sourced, and the variables it sets are for the scripts that source it.
# shellcheck disable=SC2034
# Sourced. Chooses the Windows architecture that Letterloom's commands build, run and test.
#
#   i686    the shipped 32-bit Letterloom.exe, run with Debian's 32-bit Wine (wine32:i386)
#           in a 32-bit prefix. Chosen where the kernel runs 32-bit programs.
#   x86_64  the same sources built as a 64-bit program, run with wine64 in a 64-bit prefix.
#           Chosen where the kernel runs 64-bit programs only (some cloud kernels have their
#           32-bit emulation switched off, and there the 32-bit Wine loader cannot start).
#
# The i686 program is built on every host: compiling and linking run no 32-bit code.
#
#   LETTERLOOM_ARCH=i686|x86_64       use this architecture, whatever the host
#   LETTERLOOM_HOST_RUNS_32BIT=1|0    take this as the probe's answer (0 rehearses a host
#                                     that cannot run 32-bit code)
#
# letterloom_arch_select sets and exports LETTERLOOM_ARCH and sets, for it:
#   LETTERLOOM_BUILD_DIR    build/win-ARCH, the Windows build folder
#   LETTERLOOM_MINGW        the prefix of the mingw-w64 tools (i686-w64-mingw32, x86_64-w64-mingw32)
#   LETTERLOOM_WINE         the Wine loader
#   LETTERLOOM_WINESERVER   the wineserver
#   LETTERLOOM_WINEARCH     win32 or win64
#   LETTERLOOM_ARCH_REASON  why this architecture (printed by run.sh and test.sh)

LETTERLOOM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export LETTERLOOM_ROOT

# True when the kernel runs 32-bit x86 programs. The probe is a 96-byte static i386 program
# that only exits with status 42, so it needs no 32-bit library: a fresh host answers before
# any package is installed.
letterloom_host_runs_32bit() {
  case "${LETTERLOOM_HOST_RUNS_32BIT:-}" in
    1) return 0 ;;
    0) return 1 ;;
    "") ;;
    *)
      echo "arch: LETTERLOOM_HOST_RUNS_32BIT must be 1 or 0" >&2
      return 1
      ;;
  esac
  local probe status=0
  mkdir -p "$LETTERLOOM_ROOT/build"
  probe=$(mktemp "$LETTERLOOM_ROOT/build/.probe-32bit.XXXXXX") || return 1
  # ELF header, one loadable segment at 0x08048000, then: mov eax,1; mov ebx,42; int 0x80.
  {
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\064\0\0\0'
    printf '\0\0\0\0\0\0\0\0\064\0\040\0\1\0\0\0\0\0\0\0'
    printf '\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\140\0\0\0\140\0\0\0\5\0\0\0\0\020\0\0'
    printf '\270\1\0\0\0\273\052\0\0\0\315\200'
  } >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" = 42 ]
}

letterloom_arch_select() {
  if [ -z "${LETTERLOOM_ARCH:-}" ]; then
    if letterloom_host_runs_32bit; then
      LETTERLOOM_ARCH=i686
      LETTERLOOM_ARCH_REASON="this host runs 32-bit programs"
    else
      LETTERLOOM_ARCH=x86_64
      LETTERLOOM_ARCH_REASON="this host cannot run 32-bit programs"
    fi
  else
    LETTERLOOM_ARCH_REASON="LETTERLOOM_ARCH=$LETTERLOOM_ARCH"
  fi
  case "$LETTERLOOM_ARCH" in
    i686)
      LETTERLOOM_MINGW=i686-w64-mingw32
      # Debian's wine and wineserver commands take the 32-bit loader whenever it is installed.
      LETTERLOOM_WINE=wine
      LETTERLOOM_WINESERVER=wineserver
      LETTERLOOM_WINEARCH=win32
      ;;
    x86_64)
      LETTERLOOM_MINGW=x86_64-w64-mingw32
      # Called directly: Debian's wine command prefers the 32-bit loader, and a link named
      # "wine" pointing at wine64 does not start.
      LETTERLOOM_WINE=/usr/lib/wine/wine64
      LETTERLOOM_WINESERVER=/usr/lib/wine/wineserver64
      LETTERLOOM_WINEARCH=win64
      ;;
    *)
      echo "arch: LETTERLOOM_ARCH must be i686 or x86_64, not '$LETTERLOOM_ARCH'" >&2
      return 1
      ;;
  esac
  LETTERLOOM_BUILD_DIR="$LETTERLOOM_ROOT/build/win-$LETTERLOOM_ARCH"
  export LETTERLOOM_ARCH
}

# The first line of run.sh and test.sh.
letterloom_arch_banner() {
  echo "Letterloom $LETTERLOOM_ARCH ($LETTERLOOM_ARCH_REASON): build/win-$LETTERLOOM_ARCH"
}
