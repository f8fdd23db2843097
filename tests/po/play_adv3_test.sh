#!/usr/bin/env bash
# Compiled and played over real TADS 3 code: a copy of the adv3 library, the
# system sources and the sample game that ship with the compilers. The
# entries of double-quoted literals are pseudo-translated (podebug wraps each
# text in "xxx"; single-quoted literals are often code and stay), the
# translation is applied, and the copy compiles and prints the markers, also
# in texts that span several lines in the source. The template is checked
# with msgfmt -c.
#   bash play_adv3_test.sh BRISVANE_PO
# Exit code 77 (a skip) where the TADS compilers or podebug are missing.
set -euo pipefail
po=$1
tads=${BRISVANE_TADS_DIR:-}
bin=$tads/bin
skip() {
  echo "SKIP: $1"
  exit 77
}
[[ -n "$tads" && -x "$bin/t3make" && -x "$bin/frob" ]] ||
  skip "TADS compilers not found; set BRISVANE_TADS_DIR (the folder that holds bin/t3make)"
command -v podebug >/dev/null || skip "translate-toolkit not installed (podebug)"
samples="$tads/src/frobtads/tads3/samples"
[[ -f "$samples/sample.t" ]] || skip "adv3 sample game not found in BRISVANE_TADS_DIR ($samples)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir "$work/project"
cp -r "$tads/lib/adv3" "$work/project/"
cp "$tads"/lib/*.t "$tads"/lib/*.tl "$samples/sample.t" "$samples/bantest.t" "$work/project/"

"$po" extract --root-dir="$work/project" -o "$work/game.pot" >/dev/null
fail=0
# The template names the game (its GameID), holds only texts with words, and
# names every template part its declarations name.
if msgfmt -c -o /dev/null "$work/game.pot" 2>&1 | grep -F Project-Id-Version; then
  echo "FAIL: the template's Project-Id-Version is not the game's"
  fail=1
fi
if grep -E '^msgid "(<\.p>|\\\\b|<Alpha\|-\|&><AlphaNum\|-\|&\|squote>\*)"$' "$work/game.pot"; then
  echo "FAIL: entries without a word outside escapes, tags and patterns"
  fail=1
fi
if grep -F 'template part' "$work/game.pot" | head -5 | grep .; then
  echo "FAIL: template parts left unnamed"
  fail=1
fi
msggrep -v -X -e 'single-quoted' "$work/game.pot" -o "$work/double.pot"
podebug --rewrite=xxx -i "$work/double.pot" -o "$work/xxx.po" >/dev/null 2>&1
"$po" apply --root-dir="$work/project" --po="$work/xxx.po" --res-dir="$work/copy"

cd "$work/copy"
if ! "$bin/t3make" -q -FC -Fy obj -Fo obj -FL "$work/copy" -FI "$tads/include" -o sample.t3 \
  -D LANGUAGE=en_us -D MESSAGESTYLE=neu -source reflect -lib system -lib adv3/adv3 \
  -source sample -source bantest >"$work/compile.log" 2>&1; then
  echo "FAIL: the pseudo-translated copy does not compile:"
  head -40 "$work/compile.log"
  exit 1
fi
printf '>look\n>credits\n>inventory\n>x me\n' >"$work/commands.cmd"
"$bin/frob" -i plain -p -S -R "$work/commands.cmd" sample.t3 </dev/null >"$work/transcript.txt"

expect() {  # expect TEXT WHAT
  if ! tr '\n' ' ' <"$work/transcript.txt" | tr -s ' ' | grep -qF -- "$1"; then
    echo "FAIL: the transcript lacks $2: $1"
    fail=1
  fi
}
# The living room's description spans four lines in sample.t.
expect "xxxIt's a nice, big room." "a marked text that spans lines"
expect "leads outside. xxx" "the end of that text"
expect "xxxTADS 3 Library Sampler" "a marker before markup and an embedded expression"
markers=$(grep -o xxx "$work/transcript.txt" | wc -l)
if ((markers < 20)); then
  echo "FAIL: only $markers markers in the transcript"
  fail=1
fi
((fail)) && { echo "--- transcript:"; cat "$work/transcript.txt"; }
exit $fail
