#!/usr/bin/env bash
# Runs FontListBench with the machine's fonts, then with a large generated set of extra font
# families (made once by make-font-set.py and kept in the build folder; see font-set.sh).
#
#   bench/run-font-bench.sh [BUILD_DIR] [COUNT]      defaults: build/win-ARCH, 5000
#
# ARCH is the architecture scripts/arch.sh chooses (LETTERLOOM_ARCH=i686|x86_64 forces one);
# a BUILD_DIR of the other architecture needs LETTERLOOM_ARCH to match it.
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

# shellcheck source=font-set.sh
source "$here/font-set.sh"

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
