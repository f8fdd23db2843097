#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   tools/test.sh            the release build and all tests
#   tools/test.sh --sanitize the same under AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  bash tools/build.sh build-sanitize -DBRISVANE_SANITIZE=ON -DBRISVANE_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
else
  bash tools/build.sh build
  ctest --test-dir build --output-on-failure -j "$(nproc)"
fi
