#!/usr/bin/env bash
# Fails when a C or C++ source of the tree (all but build/) differs from the style in
# .clang-format, and names the files. The style is that of Debian 12's clang-format 14 (package
# clang-format-14, installed by scripts/setup.sh): other versions format some constructs
# differently, so another version is refused rather than trusted. To format every source:
#   scripts/check-format.sh --fix
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
wanted=14

# clang-format-14 by name if it is there, otherwise clang-format if it is version 14.
formatter=""
for candidate in "clang-format-$wanted" clang-format; do
  command -v "$candidate" >/dev/null 2>&1 || continue
  version=$("$candidate" --version 2>/dev/null || true)
  if [[ "$version" =~ version[[:space:]]+([0-9]+)\. ]] && [ "${BASH_REMATCH[1]}" = "$wanted" ]; then
    formatter="$candidate"
    break
  fi
  echo "format: $(command -v "$candidate") is not clang-format $wanted: ${version:-no version}" >&2
done
if [ -z "$formatter" ]; then
  echo "format: the sources follow clang-format $wanted (Debian 12); install clang-format-$wanted" \
    "(scripts/setup.sh does)" >&2
  exit 1
fi

mapfile -d '' files < <(find . \( -path ./build -o -path ./.git \) -prune -o -type f \
  \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.h' -o -name '*.hh' -o -name '*.hpp' -o -name '*.inl' \) -print0 |
  sed -z 's|^\./||' | sort -z)
if [ "${#files[@]}" -eq 0 ]; then
  echo "format: no sources found" >&2
  exit 1
fi

if [ "${1:-}" = --fix ]; then
  "$formatter" -i "${files[@]}"
  echo "format: ${#files[@]} sources formatted with $formatter"
  exit 0
fi

if output=$("$formatter" --dry-run -Werror "${files[@]}" 2>&1); then
  echo "format: ${#files[@]} sources follow .clang-format ($formatter)"
  exit 0
fi
mapfile -t unformatted < <(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$output" | cut -d: -f1 | sort -u)
if [ "${#unformatted[@]}" -eq 0 ]; then
  echo "$output"
  exit 1
fi
echo "format: ${#unformatted[@]} of ${#files[@]} sources differ from .clang-format" \
  "(scripts/check-format.sh --fix formats them):"
printf '  %s\n' "${unformatted[@]}"
exit 1
