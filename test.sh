#!/usr/bin/env bash
# Builds Letterloom and runs all its tests:
#   checks the sources: includes go down the floors, the formatting follows .clang-format,
#          and the shell scripts pass shellcheck
#   logic  native unit tests of the logic layer        (build/native)
#   exe    Letterloom.exe read from outside: processor, imports, manifest
#                                                       (build/win-ARCH, ctest label "exe")
#   win    Windows test programs run under Wine         (build/win-ARCH, ctest label "win")
#   e2e    the real Letterloom.exe driven on a display  (build/win-ARCH, ctest label "e2e")
# ARCH is the architecture that scripts/arch.sh chooses for this host, printed on the
# first line. Where it is x86_64, the shipped i686 Letterloom.exe is built and checked too.
# Prints one line per suite and, last, the totals as "N passed, N failed".
# Exits non-zero when a test failed or a suite could not be built or run.
#
# Options through the environment:
#   LETTERLOOM_ARCH           i686 or x86_64 instead of the host's choice (see scripts/arch.sh)
#   LETTERLOOM_HOST_RUNS_32BIT 0 to behave as on a host that cannot run 32-bit code (1: can)
#   LETTERLOOM_TEST_TIMEOUT   seconds a test may take unless it sets its own (120)
#   LETTERLOOM_LOGIC_JOBS     logic tests run in parallel (2)
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root" || exit 1
# shellcheck source=scripts/arch.sh
source "$root/scripts/arch.sh"
if ! letterloom_arch_select; then
  echo "0 passed, 1 failed"
  exit 1
fi
letterloom_arch_banner
win_dir="$LETTERLOOM_BUILD_DIR"

timeout="${LETTERLOOM_TEST_TIMEOUT:-120}"
results="$root/build/test-results/$LETTERLOOM_ARCH"
summary=()
total_passed=0
total_failed=0
total_skipped=0

# add_result SUITE PASSED FAILED SKIPPED [NOTE]
add_result() {
  local line="$1: $2 passed, $3 failed"
  [ "$4" -gt 0 ] && line+=", $4 skipped"
  [ -n "${5:-}" ] && line+=" ($5)"
  summary+=("$line")
  total_passed=$((total_passed + $2))
  total_failed=$((total_failed + $3))
  total_skipped=$((total_skipped + $4))
}

# Counts the test cases of a ctest JUnit file: prints "passed failed skipped".
count_junit() {
  /usr/bin/python3 - "$1" <<'EOF'
import sys, xml.etree.ElementTree as ET
passed = failed = skipped = 0
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    status = case.get("status", "")
    if case.find("skipped") is not None or status == "disabled":
        skipped += 1
    elif case.find("failure") is not None or case.find("error") is not None or status != "run":
        failed += 1
    else:
        passed += 1
print(passed, failed, skipped)
EOF
}

# run_suite NAME BUILD_DIR [CTEST OPTIONS...]
run_suite() {
  local name="$1" dir="$2" junit="$results/$1.xml" log="$results/$1.log" status=0
  local counts line passed failed skipped
  shift 2
  rm -f "$junit"
  echo "=== $name tests"
  ctest --test-dir "$dir" --output-on-failure --timeout "$timeout" \
    --output-junit "$junit" "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  if [ -f "$junit" ] && counts=$(count_junit "$junit" 2>/dev/null); then
    read -r passed failed skipped <<<"$counts"
  elif grep -q "No tests were found" "$log"; then
    passed=0 failed=0 skipped=0
  elif line=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$log" | tail -n1); then
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$(( $(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line") - failed ))
    skipped=0
  else
    add_result "$name" 0 1 0 "ctest did not run"
    return
  fi
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    add_result "$name" "$passed" 1 "$skipped" "ctest exited with $status"
  else
    add_result "$name" "$passed" "$failed" "$skipped"
  fi
}

# run_checks SCRIPT...: each check script is one test of the "checks" suite.
run_checks() {
  local passed=0 failed=0 script
  echo "=== checks"
  for script in "$@"; do
    if "$script" 2>&1 | tee -a "$results/checks.log"; then
      passed=$((passed + 1))
    else
      echo "FAILED: ${script#"$root/"}"
      failed=$((failed + 1))
    fi
  done
  add_result checks "$passed" "$failed" 0
}

if ! "$root/scripts/setup.sh"; then
  echo "setup failed"
  echo "0 passed, 1 failed"
  exit 1
fi
mkdir -p "$results"
rm -f "$results/checks.log"
run_checks "$root/scripts/check-floors.sh" "$root/scripts/check-format.sh" "$root/scripts/check-shell.sh"

native_built=yes
win_built=yes
echo "=== building the logic tests (build/native)"
"$root/scripts/build.sh" native || native_built=no
echo "=== building the Windows program and its tests (build/win-$LETTERLOOM_ARCH)"
"$root/scripts/build.sh" win || win_built=no

# The shipped program is the 32-bit one: where the tests run on x86_64, it is still built
# and checked from outside, as the exe suite checks the program it runs.
if [ "$LETTERLOOM_ARCH" != i686 ]; then
  echo "=== building and checking the shipped i686 Letterloom.exe (build/win-i686)"
  if LETTERLOOM_ARCH=i686 "$root/scripts/build.sh" exe &&
    python3 "$root/tests/exe/check_executable.py" i686 "$root/build/win-i686/Letterloom.exe"; then
    summary+=("i686 Letterloom.exe: built and checked, not run")
  else
    add_result "i686 Letterloom.exe" 0 1 0 "build or check failed"
  fi
fi

if [ "$native_built" = yes ]; then
  run_suite logic "$root/build/native" -j "${LETTERLOOM_LOGIC_JOBS:-2}"
else
  add_result logic 0 1 0 "build failed"
fi

if [ "$win_built" = yes ]; then
  run_suite exe "$win_dir" -L '^exe$'
  # shellcheck source=scripts/xvfb.sh
  source "$root/scripts/xvfb.sh"
  if letterloom_xvfb_start; then
    # The printing tests print to a PDF queue of a print server of their own.
    # shellcheck source=scripts/cups.sh
    source "$root/scripts/cups.sh"
    letterloom_cups_start || echo "cups: the private print server did not start"
    # The Wine environment stays in subshells: ctest and its wrapper set it up
    # for each Windows program themselves.
    letterloom_at_exit "(source '$root/scripts/wine-env.sh' && letterloom_wineserver_stop)"
    (source "$root/scripts/wine-env.sh" && letterloom_wineserver_start "")
    run_suite win "$win_dir" -L '^win$'
    run_suite e2e "$win_dir" -L '^e2e$'
    _letterloom_run_exit_hooks
  else
    add_result win 0 1 0 "no display"
    add_result e2e 0 0 0 "not run"
  fi
else
  add_result exe 0 1 0 "build failed"
  add_result win 0 1 0 "build failed"
  add_result e2e 0 0 0 "not run"
fi

echo
printf '%s\n' "${summary[@]}"
if [ "$total_skipped" -gt 0 ]; then
  echo "$total_passed passed, $total_failed failed, $total_skipped skipped"
else
  echo "$total_passed passed, $total_failed failed"
fi
[ "$total_failed" -eq 0 ]
