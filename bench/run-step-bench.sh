#!/usr/bin/env bash
# Runs ListStepBench with a large generated set of extra font families (made here too when it is
# missing; see font-set.sh): first a short run, since the first program to see a new font set
# waits while Wine reads every new font file, then RUNS measured runs of each kind: the keys at
# the keyboard's repeat rate with the program's idle time between them, as when a key is held,
# and each key as soon as the one before is painted.
#
#   bench/run-step-bench.sh [BUILD_DIR] [COUNT] [RUNS]      defaults: build/win-ARCH, 10000, 2
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
count="${2:-10000}"
runs="${3:-2}"
exe="$build/bench/ListStepBench.exe"
[ -f "$exe" ] || { echo "run-step-bench.sh: build $exe first" >&2; exit 1; }

# shellcheck source=font-set.sh
source "$here/font-set.sh"

echo "== with $count generated families, a short first run"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe" 10 2 >/dev/null || true
status=0
for run in $(seq "$runs"); do
  echo
  echo "== with $count generated families, keys at the repeat rate, run $run of $runs"
  FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe" || status=1
  echo
  echo "== with $count generated families, keys back to back, run $run of $runs"
  FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe" 1000 100 1 0 || status=1
done
exit "$status"
