#!/usr/bin/env bash
# Creates the project's Wine prefix (build/wineprefix-ARCH, see arch.sh) and writes the settings
# Letterloom runs with. Quick when the prefix is already up to date; a changed
# PREFIX_VERSION below (or another Wine version) makes it anew.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# Raise when the settings below change.
PREFIX_VERSION=2
anchor_source="$LETTERLOOM_ROOT/scripts/desktop-anchor.c"
expected="letterloom-prefix $PREFIX_VERSION; $WINEARCH; $("$LETTERLOOM_WINE" --version 2>/dev/null); anchor $(cksum <"$anchor_source")"

prefix_ready() { [ "$(cat "$LETTERLOOM_PREFIX_STAMP" 2>/dev/null)" = "$expected" ]; }

prefix_ready && exit 0

mkdir -p "$(dirname "$WINEPREFIX")"
exec {lock}>"$WINEPREFIX.lock"
flock "$lock"
prefix_ready && exit 0

log="$WINEPREFIX.log"
started=$(date +%s)
echo "wineprefix: creating $WINEPREFIX (log: $log)" >&2

letterloom_wineserver_stop
if [ -e "$WINEPREFIX" ]; then
  # Remove only what looks like a Wine prefix (or a folder holding nothing but
  # this project's own files).
  if [ -f "$WINEPREFIX/system.reg" ] || [ -d "$WINEPREFIX/drive_c" ] ||
    [ -z "$(find "$WINEPREFIX" -mindepth 1 -maxdepth 1 ! -name '.letterloom-*')" ]; then
    rm -rf "$WINEPREFIX"
  else
    echo "wineprefix: $WINEPREFIX exists and is not a Wine prefix; not touching it" >&2
    exit 1
  fi
fi

# Debian's Wine looks for its own fonts (Marlett, Tahoma, Symbol, Wingdings,
# MS Sans Serif, System ...) in /usr/share/fonts instead of /usr/share/wine/fonts
# where fonts-wine puts them, so without this none of them exists: caption
# buttons, drawn with Marlett, show the letters "0 1 r". Wine also reads the
# Fonts folder of the prefix, so they are linked there.
wine_fonts=/usr/share/wine/fonts
link_wine_fonts() {
  local fonts_dir="$WINEPREFIX/drive_c/windows/Fonts" f
  [ -d "$wine_fonts" ] || return 0
  mkdir -p "$fonts_dir"
  for f in "$wine_fonts"/*; do
    [ -e "$wine_fonts/../../fonts/${f##*/}" ] || ln -sf "$f" "$fonts_dir/${f##*/}"
  done
}

# Settings of the prefix, imported with regedit from a UTF-16 file so that the
# Chinese value names survive.
#  - X11 Driver\Managed=N: Wine draws the frames itself. There is no window
#    manager on the test display, and with managed windows every window
#    destruction waits for one for about two seconds.
#  - Fonts\Replacements: the interface faces of a Chinese Windows do not exist
#    here. Under code page 936 Wine substitutes "MS Shell Dlg" (its menus,
#    captions, message boxes and most dialogs) with "SimSun", and
#    "MS Shell Dlg 2" with "Tahoma". Mapping SimSun and the other missing faces
#    to the installed CJK font makes all of them show Chinese text, and "宋体"
#    resolves to a CJK face as on Windows. EnumFontFamilies lists every replaced
#    face like an installed one, so "MS Shell Dlg" itself is left to the
#    substitution: Windows does not list it either. Wine applies a replacement
#    only to a face that does not exist, so the faces it ships (Tahoma,
#    MS Sans Serif) keep their own glyphs and take the Chinese ones from the
#    font links; their entries here count only where Wine's fonts are missing.
#  - FontLink\SystemLink: Wine's own link lists for Tahoma and Microsoft Sans
#    Serif start with SimSun, which the replacement makes the CJK font; MS Sans
#    Serif (used by old dialog templates) gets the same link.
cjk_face="WenQuanYi Micro Hei"
cjk_link="wqy-microhei.ttc,$cjk_face"
reg_utf8=$(cat <<EOF
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"宋体"="$cjk_face"
"SimSun"="$cjk_face"
"新宋体"="$cjk_face"
"NSimSun"="$cjk_face"
"Tahoma"="$cjk_face"
"MS Sans Serif"="$cjk_face"
"Microsoft Sans Serif"="$cjk_face"
"Segoe UI"="$cjk_face"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"MS Sans Serif"=hex(7):$(printf '%s\0\0' "$cjk_link" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
EOF
)
reg_file="$WINEPREFIX.reg"
{ printf '\xff\xfe'; printf '%s\n' "$reg_utf8" | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } >"$reg_file"

(
  # No display while the prefix is made: nothing can pop up and wait.
  unset DISPLAY
  "$LETTERLOOM_WINE" wineboot -i
  link_wine_fonts
  "$LETTERLOOM_WINE" regedit /S "Z:${reg_file//\//\\}"
  mkdir -p "$LETTERLOOM_TOOLS_DIR"
  "$LETTERLOOM_MINGW-gcc-posix" -O2 -Wall -Wextra -Werror -mwindows -o "$LETTERLOOM_DESKTOP_ANCHOR" "$anchor_source"
  "$LETTERLOOM_WINESERVER" -w
) </dev/null >"$log" 2>&1 || { echo "wineprefix: creating the prefix failed, see $log" >&2; exit 1; }

if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  echo "wineprefix: the settings did not reach the registry, see $log" >&2
  exit 1
fi
printf '%s\n' "$expected" >"$LETTERLOOM_PREFIX_STAMP"
echo "wineprefix: ready in $(($(date +%s) - started)) s" >&2
