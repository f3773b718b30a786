#!/usr/bin/env bash
# Fails when shellcheck (Debian package shellcheck, installed by scripts/setup.sh) finds anything
# to say about the project's shell scripts, at every severity down to style. Sourced files are
# followed, from the script's own folder or from the project folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

if ! command -v shellcheck >/dev/null 2>&1; then
  echo "shell: shellcheck is missing; install it (scripts/setup.sh does)" >&2
  exit 1
fi

shopt -s nullglob globstar
scripts=(run.sh test.sh .ci/run scripts/*.sh bench/*.sh tests/**/*.sh)
if shellcheck --external-sources --source-path=SCRIPTDIR --source-path=. --format=gcc \
  "${scripts[@]}"; then
  echo "shell: ${#scripts[@]} scripts pass shellcheck"
else
  echo "shell: shellcheck found the above in the scripts"
  exit 1
fi
