#!/usr/bin/env bash
# Fails when a source of the program includes a header of a higher floor (or of a folder beside
# its own), or when logic includes a Windows header:
#
#   logic  ->  toolkit  ->  settings, charmap, print, about (side by side)  ->  app
#
# resources (the resource ids) sits beside toolkit. A folder may include its own headers and
# those of the floors below it. The build enforces the same through each target's include
# folders (cmake/Floors.cmake); this check says it of the sources, with file and line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root/src"

floor_of() {
  case "$1" in
    logic) echo 0 ;;
    toolkit | resources) echo 1 ;;
    settings | charmap | print | about) echo 2 ;;
    app) echo 3 ;;
    *) echo "" ;;
  esac
}

status=0
while IFS=: read -r file line text; do
  folder="${file%%/*}"
  mine=$(floor_of "$folder")
  [ -n "$mine" ] || continue
  if [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
    target="${BASH_REMATCH[1]}"
    if [[ "$target" != */* || "$target" == ../* ]]; then
      echo "src/$file:$line: $folder includes \"$target\"; write \"folder/header.h\""
      status=1
      continue
    fi
    used="${target%%/*}"
    [ "$used" = "$folder" ] && continue
    theirs=$(floor_of "$used")
    if [ -z "$theirs" ] || [ "$theirs" -ge "$mine" ]; then
      echo "src/$file:$line: $folder may not include $target"
      status=1
    fi
  elif [ "$folder" = logic ] &&
    [[ "$text" =~ \<(windows|win[a-z0-9]*|commctrl|commdlg|shellapi|shlobj|objbase)\.h\> ]]; then
    echo "src/$file:$line: logic may not include Windows headers"
    status=1
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' .  | sed 's|^\./||')

if [ "$status" -eq 0 ]; then
  echo "floors: every include goes down"
fi
exit "$status"
