#!/usr/bin/env bash
# Compiled and played: the example game examples/tads3/game with the prepared
# Russian translation examples/tads3/ru.po applied with no option (each file
# goes to UTF-8 as it needs) compiles and its transcript is
# examples/tads3/transcript-ru.txt; the game itself and a copy with the
# untranslated template applied both replay examples/tads3/transcript.txt
# exactly. A game compiled in place (TADS 3 and TADS 2), then translated,
# compiles in the copy at once into the translated game; a translation with
# an escape the compiler does not define is refused and the player sees the
# source text there.
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
tads="$(cd "$bin/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0

"$po" extract --root-dir="$example/game" -o "$work/game.pot"
"$po" apply --root-dir="$example/game" --po="$work/game.pot" --res-dir="$work/same"
"$po" apply --root-dir="$example/game" --po="$example/ru.po" --res-dir="$work/ru" >/dev/null

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

# An author's folder, compiled where it stands, then translated and compiled
# again in the copy straight away: only the translated sources are rebuilt.
build3() {
  (cd "$1" && "$bin/t3make" -q -FC -Fy obj -Fo obj -FL "$tads/lib" -FI "$tads/include" \
    -o game.t3 -D LANGUAGE=en_us -D MESSAGESTYLE=neu -lib system -lib adv3/adv3 \
    -source start -source street -source shop)
}
cp -r "$example/game" "$work/built"
build3 "$work/built"
"$po" apply --root-dir="$work/built" --po="$example/ru.po" --res-dir="$work/built-ru" >/dev/null
build3 "$work/built-ru"
"$bin/frob" -i plain -p -S -k utf-8 -R "$example/commands.cmd" "$work/built-ru/game.t3" \
  </dev/null >"$work/built-ru.txt"
diff -u "$example/transcript-ru.txt" "$work/built-ru.txt" ||
  { echo "FAIL: the copy of a compiled folder does not play the translation"; fail=1; }

cp -r "$here/fixtures/tads2/game" "$work/built2"
(cd "$work/built2" && "$bin/tadsc" -i "$tads/src/frobtads/tads2/" -o game.gam game.t >/dev/null)
# (one of its translations is refused: exit code 1)
"$po" apply --root-dir="$work/built2" --po="$here/fixtures/tads2/ru.po" \
  --res-dir="$work/built2-ru" >/dev/null 2>&1 || true
(cd "$work/built2-ru" && "$bin/tadsc" -i "$tads/src/frobtads/tads2/" -o game.gam game.t >/dev/null)
printf 'look\nquit\ny\n' | "$bin/frob" -i plain -p -S "$work/built2-ru/game.gam" |
  iconv -f windows-1251 -t utf-8 | tr -s ' \n' ' ' >"$work/built2-ru.txt"
grep -qF "Подвал Сырой подвал. Здесь висит лампа." "$work/built2-ru.txt" ||
  { echo "FAIL: the TADS 2 copy does not play the translation:"; cat "$work/built2-ru.txt"; fail=1; }

# \j compiles, and the player would see it: the translation is refused.
sed 's/Фонарь тихо гудит/Фонарь\\\\j тихо гудит/' "$example/ru.po" >"$work/broken.po"
if "$po" apply --root-dir="$example/game" --po="$work/broken.po" --res-dir="$work/broken" \
  >/dev/null 2>"$work/broken.log" || ! grep -qF '\j is not an escape' "$work/broken.log"; then
  echo "FAIL: \\j was not refused:"
  cat "$work/broken.log"
  fail=1
fi
bash "$example/play.sh" "$work/broken" utf-8 >"$work/broken.txt" 2>/dev/null
if grep -qF '\j' "$work/broken.txt" || ! grep -qF 'The lamp hums to itself.' "$work/broken.txt"; then
  echo "FAIL: the refused translation reached the player"
  fail=1
fi
exit $fail
