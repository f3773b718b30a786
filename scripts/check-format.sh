#!/usr/bin/env bash
# Fails when a C++ source of src, tests or bench differs from the style in .clang-format, and
# names the files. To format them all:
#   find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

mapfile -d '' files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if output=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
  echo "format: ${#files[@]} sources follow .clang-format"
  exit 0
fi
unformatted=$(grep -oE '^[^:]+\.(cpp|h):[0-9]+:[0-9]+: error' <<<"$output" | cut -d: -f1 | sort -u)
if [ -z "$unformatted" ]; then
  echo "$output"
  exit 1
fi
echo "format: $(wc -l <<<"$unformatted") of ${#files[@]} sources differ from .clang-format:"
sed 's/^/  /' <<<"$unformatted"
exit 1
