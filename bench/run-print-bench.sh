#!/usr/bin/env bash
# Runs PrintBench on the private PDF queue (scripts/cups.sh), with the machine's fonts and the
# generated font families that run-font-bench.sh makes (run that once first).
#
#   bench/run-print-bench.sh [BUILD_DIR] [COUNT]      defaults: build/win-ARCH, 5000
#
# ARCH is the architecture scripts/arch.sh chooses (LETTERLOOM_ARCH=i686|x86_64 forces one).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
# shellcheck source=../scripts/arch.sh
source "$root/scripts/arch.sh"
letterloom_arch_select
build="${1:-$LETTERLOOM_BUILD_DIR}"
count="${2:-5000}"
exe="$build/bench/PrintBench.exe"
[ -f "$exe" ] || { echo "run-print-bench.sh: build $exe first" >&2; exit 1; }
conf="$root/build/bench-fonts/$count/fonts.conf"
[ -f "$conf" ] || { echo "run-print-bench.sh: run bench/run-font-bench.sh first" >&2; exit 1; }

# shellcheck source=print-env.sh
source "$here/print-env.sh"

echo "== the machine's fonts"
"$root/scripts/wine-exec.sh" "$exe"
echo
echo "== with $count generated families"
FONTCONFIG_FILE="$conf" "$root/scripts/wine-exec.sh" "$exe"
