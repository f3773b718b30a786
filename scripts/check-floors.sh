#!/usr/bin/env bash
# Fails when a source of the program includes a header of a higher floor (or of a folder beside
# its own), or when logic includes anything but the C++ standard library:
#
#   logic  ->  toolkit  ->  settings, charmap, print, about (side by side)  ->  app
#
# resources (the resource ids) sits beside toolkit. A folder may include its own headers and
# those of the floors below it, always as "folder/header.h". The build enforces the same through
# each target's include folders (cmake/Floors.cmake); this check says it of the sources, with
# file and line. It fails closed: a folder of src with sources but no floor, a path that climbs
# with "..", a project header reached through <...> and an include it cannot read all fail.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root/src"

# The floors, lowest first. A new folder of src with sources needs its line here (and its
# target's letterloom_floor_includes call). help holds the help file's pages and no sources.
declare -A floor=(
  [logic]=0
  [toolkit]=1 [resources]=1
  [settings]=2 [charmap]=2 [print]=2 [about]=2
  [app]=3
)

# Every folder of src, with or without sources: none of them may be reached through <...>.
declare -A project_folder=([src]=1)
for dir in */; do project_folder[${dir%/}]=1; done
# The project's header names: <Canvas.h> must not find one through some include folder.
declare -A project_header=()
while IFS= read -r -d '' header; do project_header[${header##*/}]=1; done \
  < <(find . -type f \( -name '*.h' -o -name '*.hh' -o -name '*.hpp' -o -name '*.inl' \) -print0)

status=0
fail() {
  echo "$1"
  status=1
}

# True when a path has a "." or ".." component or starts at the root.
climbs() {
  [[ "$1" == /* || "/$1/" == */../* || "/$1/" == */./* ]]
}

mapfile -d '' sources < <(find . -type f \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' \
  -o -name '*.cxx' -o -name '*.h' -o -name '*.hh' -o -name '*.hpp' -o -name '*.inl' \
  -o -name '*.rc' \) -print0 | sed -z 's|^\./||' | sort -z)

checked=()
declare -A reported=()
for file in "${sources[@]}"; do
  if [[ "$file" != */* ]]; then
    fail "src/$file: a source directly in src; it belongs in the folder of its floor"
    continue
  fi
  folder="${file%%/*}"
  if [ -z "${floor[$folder]:-}" ]; then
    if [ -z "${reported[$folder]:-}" ]; then
      fail "src/$folder/: holds sources ($file) but has no floor; add it to the floors in scripts/check-floors.sh"
      reported[$folder]=1
    fi
    continue
  fi
  # The resource script names its own folder's files, as windres reads them; only C and C++
  # sources follow the floors.
  [[ "$file" == *.rc ]] || checked+=("$file")
done

while IFS=: read -r file line text; do
  folder="${file%%/*}"
  mine="${floor[$folder]}"
  if [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
    target="${BASH_REMATCH[1]}"
    if climbs "$target"; then
      fail "src/$file:$line: $folder includes \"$target\"; no \".\" or \"..\": write \"folder/header.h\""
      continue
    fi
    if [[ "$target" != */* ]]; then
      fail "src/$file:$line: $folder includes \"$target\"; write \"folder/header.h\""
      continue
    fi
    used="${target%%/*}"
    [ "$used" = "$folder" ] && continue
    theirs="${floor[$used]:-}"
    if [ -z "$theirs" ] || [ "$theirs" -ge "$mine" ]; then
      fail "src/$file:$line: $folder may not include $target"
    fi
  elif [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]*)\> ]]; then
    target="${BASH_REMATCH[1]}"
    first="${target%%/*}"
    if climbs "$target"; then
      fail "src/$file:$line: $folder includes <$target>; no \".\" or \"..\" in an include"
    elif [[ "$target" == */* && -n "${project_folder[$first]:-}" ]]; then
      fail "src/$file:$line: $folder includes <$target>, a project header; write \"${target#src/}\""
    elif [[ "$target" != */* && -n "${project_header[$target]:-}" ]]; then
      fail "src/$file:$line: $folder includes <$target>, the name of a project header; write \"folder/$target\""
    elif [ "$folder" = logic ] && [[ ! "$target" =~ ^[a-z_0-9]+$ ]]; then
      if [[ "$target" =~ ^(windows|win[a-z0-9]*|commctrl|commdlg|shellapi|shlobj|objbase)\.h$ ]]; then
        fail "src/$file:$line: logic may not include Windows headers (<$target>)"
      else
        fail "src/$file:$line: logic includes only the C++ standard library, not <$target>"
      fi
    fi
  else
    fail "src/$file:$line: an include this check cannot read: ${text#"${text%%[![:space:]]*}"}"
  fi
done < <(if [ "${#checked[@]}" -gt 0 ]; then
  grep -HnE '^[[:space:]]*#[[:space:]]*include' -- "${checked[@]}"
fi)

if [ "$status" -eq 0 ]; then
  echo "floors: every include of ${#checked[@]} sources goes down"
fi
exit "$status"
