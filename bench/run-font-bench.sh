#!/usr/bin/env bash
# Runs FontListBench with the machine's fonts, then with a large generated set of extra font
# families (made once by make-font-set.py and kept in the build folder).
#
#   bench/run-font-bench.sh [BUILD_DIR] [COUNT]      defaults: build/win-ARCH, 5000
#
# ARCH is the architecture scripts/arch.sh chooses (LETTERLOOM_ARCH=i686|x86_64 forces one);
# a BUILD_DIR of the other architecture needs LETTERLOOM_ARCH to match it.
#
# The extra fonts reach only the benchmark: they are added through a fontconfig file of their
# own (FONTCONFIG_FILE) for its process, not installed on the machine or in the Wine prefix.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
# shellcheck source=../scripts/arch.sh
source "$root/scripts/arch.sh"
letterloom_arch_select
build="$(cd "${1:-$LETTERLOOM_BUILD_DIR}" && pwd)"  # absolute: fontconfig's file names it
count="${2:-5000}"
exe="$build/bench/FontListBench.exe"
[ -f "$exe" ] || { echo "run-font-bench.sh: build $exe first" >&2; exit 1; }

fonts="$build/bench-fonts/$count"
if [ ! -f "$fonts/.complete" ]; then
  echo "making $count font families in $fonts" >&2
  rm -rf "$fonts"
  mkdir -p "$fonts"
  fontforge -lang=py -script "$here/make-font-set.py" "$fonts" "$count" >/dev/null 2>&1
  touch "$fonts/.complete"
fi
conf="$fonts/fonts.conf"
# The cache folder comes first, so that fontconfig writes there and not into the machine's.
cat >"$conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>$fonts/fc-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$fonts</dir>
</fontconfig>
CONF
FONTCONFIG_FILE="$conf" fc-cache "$fonts" >/dev/null 2>&1 || true

# shellcheck source=../scripts/xvfb.sh
source "$root/scripts/xvfb.sh"
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  letterloom_xvfb_start
fi
"$root/scripts/wineprefix.sh"
letterloom_wineserver_start ""
letterloom_at_exit letterloom_wineserver_stop

echo "== the machine's fonts"
"$root/scripts/wine-exec.sh" "$exe"
echo
echo "== with $count generated families, first run (Wine reads every new font file)"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe"
echo
echo "== with $count generated families, again"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe"
echo
echo "== configuration dialog's OK to a repainted list, with $count generated families"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$build/bench/ConfigOkBench.exe"
