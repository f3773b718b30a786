# shellcheck shell=bash
# Sourced by the benchmarks that print: a display (a virtual one when there is none), the
# project's private PDF print server and a wineserver for the prefix, all stopped when the
# sourcing script exits. Needs $root, the project folder.

# shellcheck source=../scripts/xvfb.sh
source "$root/scripts/xvfb.sh"
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
# shellcheck source=../scripts/cups.sh
source "$root/scripts/cups.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  letterloom_xvfb_start
fi
letterloom_cups_start
"$root/scripts/wineprefix.sh"
letterloom_wineserver_start ""
letterloom_at_exit letterloom_wineserver_stop
