#!/usr/bin/env bash
# Compiled and played: the example game examples/tads3/game with the prepared
# Russian translation examples/tads3/ru.po applied in UTF-8 compiles and its
# transcript is examples/tads3/transcript-ru.txt; the game itself and a copy
# with the untranslated template applied both replay
# examples/tads3/transcript.txt exactly.
#   bash play_example_test.sh BRISVANE_PO
# Exit code 77 (a skip) where the TADS compilers are not built.
set -euo pipefail
po=$1
here="$(cd "$(dirname "$0")" && pwd)"
example="$here/../../examples/tads3"
bin=${BRISVANE_TADS_DIR:-}/bin
if [[ -z "${BRISVANE_TADS_DIR:-}" || ! -x "$bin/t3make" || ! -x "$bin/frob" ]]; then
  echo "SKIP: TADS compilers not found; set BRISVANE_TADS_DIR (the folder that holds bin/t3make)"
  exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0

"$po" extract --root-dir="$example/game" -o "$work/game.pot"
"$po" apply --root-dir="$example/game" --po="$work/game.pot" --res-dir="$work/same"
"$po" apply --root-dir="$example/game" --po="$example/ru.po" --to-charset=utf-8 \
  --res-dir="$work/ru"

play() {  # play NAME GAME CHARSET EXPECTED
  if ! bash "$example/play.sh" "$2" "$3" >"$work/$1.txt" 2>"$work/$1.log"; then
    echo "FAIL: $1 does not compile:"
    cat "$work/$1.log"
    fail=1
  elif ! diff -u "$4" "$work/$1.txt"; then
    echo "FAIL: the transcript of $1 differs from $4"
    fail=1
  fi
}
play source "$example/game" us-ascii "$example/transcript.txt"
play untranslated "$work/same" us-ascii "$example/transcript.txt"
play russian "$work/ru" utf-8 "$example/transcript-ru.txt"
exit $fail
