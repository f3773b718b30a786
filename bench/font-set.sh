# shellcheck shell=bash
# Sourced by the benchmarks that run with a large generated set of extra font families: makes
# the set once with make-font-set.py (kept in build/bench-fonts, shared by both architectures),
# writes its fontconfig file to $conf, and starts a display (a virtual one when there is none)
# and a wineserver for the prefix, all stopped when the sourcing script exits. Needs $root,
# $here, $build (absolute) and $count.
#
# The extra fonts reach only the benchmark: they are added through a fontconfig file of their
# own (FONTCONFIG_FILE) for its process, not installed on the machine or in the Wine prefix.
: "${root:?}" "${here:?}" "${build:?}" "${count:?}"

fonts="$root/build/bench-fonts/$count"
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
