#!/usr/bin/env bash
# brisvane-po play against the TADS compilers, one case per call:
#   bash play_test.sh BRISVANE_PO CASE [MEASURE]
#   games  the small TADS 3 and TADS 2 games of fixtures/play: every entry
#          ends in the class fixtures/play/*/expected_classes names
#   adv3   the adv3 sample game with the walkthrough fixtures/play/adv3.cmd:
#          the stand-in of MEASURE (bench/play_measure.cpp) on every entry
#          shown or not reached builds and plays the reference
#   po     examples/tads3 with its Russian PO, two shown entries made fuzzy:
#          the untranslated stretches are exactly theirs, msgmerge carries
#          the classes, the page checks its counts in Chromium
# Exit code 77 (a skip) where the compilers (in $BRISVANE_TADS_DIR) or
# another instrument a case needs are missing.
set -euo pipefail
po=$1
case=$2
measure=${3:-}
here="$(cd "$(dirname "$0")" && pwd)"
tads=${BRISVANE_TADS_DIR:-}
skip() {
  echo "SKIP: $1"
  exit 77
}
[[ -n "$tads" && -x "$tads/bin/t3make" && -x "$tads/bin/tadsc" && -x "$tads/bin/frob" ]] ||
  skip "TADS compilers not found; set BRISVANE_TADS_DIR (the folder that holds bin/t3make)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0
t3make="$tads/bin/t3make -q -FC -Fy obj -Fo obj -FI $tads/include -D LANGUAGE=en_us -D MESSAGESTYLE=neu"
failed() {  # failed WHAT: notes a check that did not hold
  echo "FAIL: $1"
  fail=1
}
classes() {  # the play line and msgid of every entry of a template
  awk '/^#\. play: /{c=substr($0,4)} /^msgid /{if(c!="") print c "\t" substr($0,7); c=""}' "$1"
}

case $case in
games)
  game=$here/fixtures/play/tads3
  "$po" play --root-dir="$game" -o "$work/tads3.pot" \
    --build="$t3make -FL $tads/lib -o game.t3 -lib system -lib adv3/adv3 -source start" \
    --run="$tads/bin/frob -i plain -p -S -R walkthrough.cmd game.t3" >"$work/tads3.out" \
    2>"$work/tads3.log"
  diff -u "$game/expected_classes" <(classes "$work/tads3.pot") || failed "the TADS 3 classes"
  game=$here/fixtures/play/tads2
  "$po" play --root-dir="$game" -o "$work/tads2.pot" --commands="$game/walkthrough.txt" \
    --build="$tads/bin/tadsc -i $tads/src/frobtads/tads2/ -o game.gam game.t" \
    --run="$tads/bin/frob -i plain -p -S game.gam" >"$work/tads2.out" 2>"$work/tads2.log"
  diff -u "$game/expected_classes" <(classes "$work/tads2.pot") || failed "the TADS 2 classes"
  ;;
adv3)
  mkdir "$work/sample"
  cp -r "$tads/lib/adv3" "$work/sample/"
  cp "$tads"/lib/*.t "$tads"/lib/*.tl "$tads"/src/frobtads/tads3/samples/{sample,bantest}.t \
    "$work/sample/"
  build="$t3make -FL . -o sample.t3 -source reflect -lib system -lib adv3/adv3 -source sample"
  build+=" -source bantest"
  run="$tads/bin/frob -i plain -p -S -R $here/fixtures/play/adv3.cmd sample.t3"
  "$po" play --root-dir="$work/sample" --build="$build" --run="$run" -o "$work/play.pot" \
    >"$work/play.out" 2>"$work/play.log"
  "$measure" po "$work/play.pot" "$work/standin.po" >/dev/null
  "$po" apply --root-dir="$work/sample" --po="$work/standin.po" --res-dir="$work/copy" >/dev/null
  for tree in sample copy; do
    (cd "$work/$tree" && $build && $run </dev/null >"$work/$tree.txt")
  done
  "$measure" count "$work/sample.txt" "$work/copy.txt" || failed "the copy with stand-ins"
  ;;
po)
  example=$here/../../examples/tads3
  build="$t3make -FL $tads/lib -o game.t3 -lib system -lib adv3/adv3 -source start -source street"
  build+=" -source shop"
  # Two entries the game shows, made fuzzy: theirs are the untranslated stretches.
  printf 'msgid "Clock Street"\nmsgstr ""\n\nmsgid "A ledger bound in green cloth. "\nmsgstr ""\n' \
    >"$work/two.po"
  msgattrib --set-fuzzy --only-file="$work/two.po" -o "$work/ru.po" "$example/ru.po"
  "$po" play --root-dir="$example/game" --build="$build" -o "$work/play.pot" \
    --run="$tads/bin/frob -i plain -p -S -k utf-8 -R $example/commands.cmd game.t3" \
    --po="$work/ru.po" --report="$work/page.html" >"$work/play.out" \
    2>"$work/play.log" || failed "play --po"
  diff -u <(printf '"A ledger bound in green cloth."\n"Clock Street"\n') \
    <(sed -n 's/^  untranslated: .*(msgid \(.*\))$/\1/p' "$work/play.out" | sort -u) ||
    failed "the untranslated stretches"
  # The classes travel with msgmerge.
  msgmerge --quiet -o "$work/merged.po" "$work/ru.po" "$work/play.pot"
  diff -u <(classes "$work/play.pot") <(classes "$work/merged.po") ||
    failed "msgmerge carrying the classes"
  if ! command -v chromium >/dev/null; then
    ((fail)) || skip "chromium not installed (the report page is not checked)"
  else
    profile="$(mktemp -d)"
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
      --disable-background-networking --disable-component-update --disable-sync \
      --user-data-dir="$profile" --dump-dom "file://$work/page.html" >"$work/page.dom" 2>/dev/null
    rm -rf "$profile"
    grep -q 'data-check="ok"' "$work/page.dom" || failed "the page's own check in Chromium"
    grep -q 'data-kind="untranslated" data-stretches="[1-9]' "$work/page.dom" ||
      failed "the untranslated stretches of the page"
  fi
  ;;
esac
((fail)) && cat "$work"/*.log "$work"/*.out 2>/dev/null | head -40
exit $fail
