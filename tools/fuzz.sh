#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each one.
#   tools/fuzz.sh [SECONDS]  fuzzes every target for SECONDS (default 60);
#                            new inputs go to build-fuzz/corpus/<target>,
#                            crashes to build-fuzz/artifacts/
#   tools/fuzz.sh --seeds    runs every target once over its seed corpus
# BRISVANE_FUZZ_TARGETS="a b" limits the run to those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh clang libclang-rt-14-dev
build=build-fuzz
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISVANE_FUZZ=ON \
  -DBRISVANE_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_scanner_template fuzz_chunks \
  fuzz_html_reader fuzz_csv_reader fuzz_tads_lexer fuzz_written_document fuzz_tolerant_html \
  fuzz_tolerant_csv
limits=(-timeout=10 -rss_limit_mb=2048)
all="scanner_template chunks html_reader csv_reader tads_lexer written_document tolerant_html
  tolerant_csv"
for target in ${BRISVANE_FUZZ_TARGETS:-$all}; do
  echo "== $target"
  if [ "${1:-}" = "--seeds" ]; then
    "$build/fuzz/fuzz_$target" "${limits[@]}" -runs=0 "fuzz/corpus/$target"
  else
    mkdir -p "$build/corpus/$target" "$build/artifacts"
    "$build/fuzz/fuzz_$target" "${limits[@]}" -dict="fuzz/dict/$target.dict" \
      -max_total_time="${1:-60}" -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$build/corpus/$target" "fuzz/corpus/$target"
  fi
done
