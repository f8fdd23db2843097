#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   tools/test.sh            the release build and all tests
#   tools/test.sh --sanitize the same under AddressSanitizer and UBSan
# The tests that compile and play TADS games need BRISVANE_TADS_DIR (see
# README). The run ends with one line per reason tests were skipped for; the
# exit code is ctest's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

# One line per reason tests were skipped for. ctest lists the skipped tests
# at the end of its output; its log of the run holds each one's message: a
# GoogleTest skip's (the line after "Skipped") or a shell test's "SKIP: "
# line, up to " (" where the details of one test begin.
skip_summary() {  # skip_summary CTEST_OUTPUT LOG
  awk '
    FNR == NR {
      if ($0 ~ /^\t *[0-9]+ - .* \(Skipped\)$/) {
        sub(/^\t *[0-9]+ - /, ""); sub(/ \(Skipped\)$/, ""); skipped[$0] = 1
      }
      next
    }
    /^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0; reason = ""; next }
    /: Skipped$/ { if ((getline line) > 0) reason = line; next }
    /^SKIP: / { reason = substr($0, 7); next }
    /^<end of output>$/ && (name in skipped) {
      sub(/ \(.*/, "", reason)
      count[reason == "" ? "no reason given" : reason]++
      delete skipped[name]
    }
    END {
      for (name in skipped) count["no reason given"]++
      for (r in count) printf "%d test%s skipped: %s\n", count[r], count[r] == 1 ? "" : "s", r
    }
  ' "$1" "$2" | sort -k1,1nr -k2
}

if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  bash tools/build.sh "$build" -DBRISVANE_SANITIZE=ON -DBRISVANE_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
else
  build=build
  bash tools/build.sh "$build"
fi
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" | tee "$build/ctest-output.txt" ||
  status=$?
skip_summary "$build/ctest-output.txt" "$build/Testing/Temporary/LastTest.log"
exit $status
