#!/usr/bin/env bash
# Installs what building, running and testing Letterloom needs on Debian 12,
# then prepares the project's own Wine prefix. Quick when everything is there.
# Only the architecture that arch.sh chooses gets its Wine; the i686 compilers are
# always installed, because the shipped 32-bit program is built on every host.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=scripts/arch.sh
source "$here/scripts/arch.sh"
letterloom_arch_select

# clang-format-14 is Debian 12's clang-format, the version whose style scripts/check-format.sh
# checks; shellcheck checks the scripts (scripts/check-shell.sh).
packages=(
  cmake make g++ python3 googletest locales clang-format-14 shellcheck
  g++-mingw-w64-i686-posix mingw-w64-i686-dev
  xvfb xauth x11-utils xdotool imagemagick
  fonts-dejavu-core fonts-liberation fonts-wqy-zenhei fonts-wqy-microhei fonts-wine
  cups cups-bsd printer-driver-cups-pdf poppler-utils fp-utils
  fontforge-nox
)
# Wine sees no printers without the libcups of its own architecture.
case "$LETTERLOOM_ARCH" in
  i686)
    if ! letterloom_host_runs_32bit; then
      echo "setup: LETTERLOOM_ARCH=i686, but this host cannot run 32-bit programs;" \
        "use LETTERLOOM_ARCH=x86_64 (or leave it unset)" >&2
      exit 1
    fi
    packages+=(wine wine32:i386 libcups2:i386)
    ;;
  x86_64)
    packages+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 libwine:amd64 libcups2:amd64)
    ;;
esac

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

if [ "$LETTERLOOM_ARCH" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
mapfile -t need < <(missing_packages)
if [ "${#need[@]}" -gt 0 ]; then
  echo "setup: installing ${#need[@]} packages" >&2
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${need[@]}" >/dev/null
fi

# Wine takes the ANSI code page from the locale: zh_CN.UTF-8 gives 936 (GBK).
# Without the locale on the Linux side, Wine still reports 936 but turns
# Chinese command-line arguments and file names into garbage.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale" >&2
  if [ -f /etc/locale.gen ]; then
    as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  fi
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

"$here/scripts/wineprefix.sh"
