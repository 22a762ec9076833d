#!/usr/bin/env bash
# test.sh: build the three builds and run every test (native, win64 under Wine, win32 checks),
# then a short run of each fuzz target. Prints one closing line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh || exit 1
jobs=$(nproc)
passed=0; failed=0; status=0
log=$(mktemp)

run_ctest() {  # preset
  ctest --preset "$1" -j "$jobs" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line total fails
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line"); fails=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  if [ -n "$line" ]; then
    passed=$((passed + total - fails)); failed=$((failed + fails))
  else
    failed=$((failed + 1))
  fi
  [ "$rc" = 0 ] || status=1
}

for preset in native win64 win32; do
  echo "=== $preset: configure and build"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"; }; then
    echo "=== $preset: BUILD FAILED"; failed=$((failed + 1)); status=1; continue
  fi
  echo "=== $preset: tests"
  run_ctest "$preset"
done

echo "=== fuzz: short runs of every fuzz target"
# Only the fuzz targets (named *_fuzz) and what they link are built with clang here.
fuzz_targets() { cmake --build build/fuzz --target help | sed -n 's/^\.\.\. \([a-z0-9_]*_fuzz\)$/\1/p'; }
if cmake --preset fuzz >/dev/null && targets=$(fuzz_targets) && [ -n "$targets" ] &&
   cmake --build --preset fuzz -j "$jobs" --target $targets; then
  for f in build/fuzz/bin/*_fuzz; do
    [ -x "$f" ] || continue
    if "$f" -max_total_time="${ZRT_FUZZ_SECONDS:-30}" -print_final_stats=1 >"$log" 2>&1; then
      echo "fuzz $(basename "$f"): ok ($(grep -m1 stat::number_of_executed_units "$log" | awk '{print $2}') runs)"
      passed=$((passed + 1))
    else
      echo "fuzz $(basename "$f"): FAILED"; tail -30 "$log"; failed=$((failed + 1)); status=1
    fi
  done
else
  echo "=== fuzz: BUILD FAILED"; failed=$((failed + 1)); status=1
fi
rm -f "$log"
echo "$passed passed, $failed failed"
exit $status
