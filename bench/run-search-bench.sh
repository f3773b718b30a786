#!/usr/bin/env bash
# Runs FontSearchBench with the machine's fonts, then with the large generated set of extra font
# families that run-font-bench.sh uses (made here too when it is missing; see font-set.sh).
#
#   bench/run-search-bench.sh [BUILD_DIR] [COUNT] [RUNS]      defaults: build/win-ARCH, 5000, 7
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
runs="${3:-7}"
exe="$build/bench/FontSearchBench.exe"
[ -f "$exe" ] || { echo "run-search-bench.sh: build $exe first" >&2; exit 1; }

# shellcheck source=font-set.sh
source "$here/font-set.sh"

echo "== the machine's fonts"
"$root/scripts/wine-exec.sh" "$exe" "$runs"
echo
echo "== with $count generated families"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe" "$runs"
