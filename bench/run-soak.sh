#!/usr/bin/env bash
# Runs SoakBench on the private PDF queue (scripts/cups.sh), on a virtual display when there is
# none, with the machine's fonts. Exits with the soak's status: non-zero when something leaked.
#
#   bench/run-soak.sh [--quick] [--trace] [BUILD_DIR]      default: build/win-ARCH
#
# --quick runs a tenth of every count; --trace prints the change of the counts after each
# activity of the round.
#
# ARCH is the architecture scripts/arch.sh chooses (LETTERLOOM_ARCH=i686|x86_64 forces one).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
options=()
while [ "${1:-}" = --quick ] || [ "${1:-}" = --trace ]; do
  options+=("$1")
  shift
done
# shellcheck source=../scripts/arch.sh
source "$root/scripts/arch.sh"
letterloom_arch_select
build="${1:-$LETTERLOOM_BUILD_DIR}"
exe="$build/bench/SoakBench.exe"
[ -f "$exe" ] || { echo "run-soak.sh: build $exe first" >&2; exit 1; }

# shellcheck source=print-env.sh
source "$here/print-env.sh"

echo "== soak of $exe ($LETTERLOOM_ARCH)"
"$root/scripts/wine-exec.sh" "$exe" "${options[@]}"
