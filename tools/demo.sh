#!/usr/bin/env bash
# Runs the translator's round trip on the demo game in examples/game:
#   1. get mode writes examples/out/demo.html and examples/out/demo.csv;
#   2. new mode reads the corrected copies in examples/corrected/ (some texts
#      translated into Russian, the HTML re-saved by an editor) and writes the
#      patched projects examples/out/patched-html/ and examples/out/patched-csv/;
#   3. the differences between the game and its patched copy are shown;
#   4. brisvane-po takes the example TADS 3 game in examples/tads3/game to a PO
#      template, merges the prepared Russian translation onto it, applies it
#      into examples/out/game-ru/ and, where the TADS compilers are built,
#      compiles and plays the translated game, and learns with play which
#      texts the player reads and which change the game.
# Installs what is missing and builds first (into build/, or the folder given
# as the first argument). Works from any directory.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash tools/install-deps.sh
bash tools/build.sh "$build"
brisvane="$(cd "$build" && pwd)/Brisvane"
po="$(cd "$build" && pwd)/po/brisvane-po"

cd examples
rm -rf out
mkdir -p out

run() {  # run LOG ARGS...: the tool's console lines go to out/LOG
  local log=$1
  shift
  "$brisvane" "$@" 2>"out/$log" || { cat "out/$log" >&2; exit 1; }
}

echo "== Get mode: the game's texts into one document (stdlib left out)"
run get-html.log --mode=get --root-dir=game --format=html --res-file=out/demo.html --ignore=stdlib
run get-csv.log --mode=get --root-dir=game --format=csv --res-file=out/demo.csv --ignore=stdlib
sed -n '/^Config ok/,$p' out/get-html.log
echo "   out/demo.html: $(grep -o '<tr>' out/demo.html | wc -l) texts;" \
  "out/demo.csv: $(grep -c '^LINE;' out/demo.csv) texts"

echo
echo "== New mode: the corrected documents back into copies of the game"
run new-html.log --mode=new --root-dir=game --format=html --in-doc=corrected/demo.html \
  --ignore=stdlib --res-dir=out/patched-html
run new-csv.log --mode=new --root-dir=game --format=csv --in-doc=corrected/demo.csv \
  --ignore=stdlib --res-dir=out/patched-csv
for format in html csv; do
  echo "   from corrected/demo.$format: $(grep -c '^ln: ' "out/new-$format.log") texts read," \
    "$(find "out/patched-$format" -name '*.t' | wc -l) files written to out/patched-$format/"
done

echo
echo "== What changed (game/ against out/patched-html/; sources are code page 1251,"
echo "   shown here in UTF-8; the copies have CR LF line ends, not counted as changes)"
diff -r --strip-trailing-cr game out/patched-html | iconv -f CP1251 -t UTF-8 || true

echo
if diff -r -q out/patched-html out/patched-csv >/dev/null; then
  echo "== The HTML and the CSV round trip give the same files."
else
  echo "== The HTML and the CSV round trip differ:"
  diff -r out/patched-html out/patched-csv | iconv -f CP1251 -t UTF-8 || true
fi
echo "Console lines of every run: examples/out/*.log"

echo
echo "== brisvane-po: the example TADS 3 game in tads3/game through the PO workflow"
"$po" extract --root-dir=tads3/game -o out/game.pot
# The prepared Russian translation, brought up to date with the fresh template
# as a translator does whenever the game changes.
msgmerge --quiet --previous -o out/ru.po tads3/ru.po out/game.pot
echo -n "   out/ru.po: "
msgfmt -c --statistics -o /dev/null out/ru.po 2>&1
"$po" check --root-dir=tads3/game --po=out/ru.po
"$po" apply --root-dir=tads3/game --po=out/ru.po --res-dir=out/game-ru
echo "   out/game-ru/: the game with the translation applied, in UTF-8 where a file needs it"

echo
echo "== What changed (tads3/game against out/game-ru/; shop.t, latin1 in the game,"
echo "   shown here in UTF-8)"
cp -r tads3/game out/game-view
iconv -f ISO-8859-1 -t UTF-8 tads3/game/shop.t >out/game-view/shop.t
(cd out && diff -r game-view game-ru) || true

echo
bin=${BRISVANE_TADS_DIR:-}/bin
if [[ -n "${BRISVANE_TADS_DIR:-}" && -x "$bin/t3make" && -x "$bin/frob" ]]; then
  echo "== The translated game compiled and played (commands from tads3/commands.cmd)"
  bash tads3/play.sh out/game-ru utf-8 >out/transcript-ru.txt
  sed -n '1,40p' out/transcript-ru.txt
  echo "   ... the whole transcript: examples/out/transcript-ru.txt"

  echo
  echo "== brisvane-po play: which texts of tads3/game the player reads and which change"
  echo "   the game, learnt by building and playing copies; then what of the Russian"
  echo "   translation the player still reads in English"
  tads=$BRISVANE_TADS_DIR
  "$po" play --root-dir=tads3/game -o out/play.pot --po=out/ru.po \
    --report=out/play.html \
    --build="$bin/t3make -q -FC -Fy obj -Fo obj -FL $tads/lib -FI $tads/include -o game.t3 \
-D LANGUAGE=en_us -D MESSAGESTYLE=neu -lib system -lib adv3/adv3 -source start -source street \
-source shop" \
    --run="$bin/frob -i plain -p -S -k utf-8 -R $PWD/tads3/commands.cmd game.t3" \
    2>out/play.log >out/play.txt
  grep -v '^  from no entry' out/play.txt
  echo "   ... the template with the classes: examples/out/play.pot; the transcript coloured"
  echo "   by where each stretch comes from: examples/out/play.html"
else
  echo "== TADS compilers not found: the translated game is not compiled"
  echo "   (set BRISVANE_TADS_DIR to the folder that holds bin/t3make; see README)."
fi
