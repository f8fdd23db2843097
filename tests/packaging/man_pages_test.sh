#!/usr/bin/env bash
# The manual page of each executable built: groff finds nothing to warn about,
# it has the sections a manual page should have, it names the other tools, and
# its OPTIONS list the same option names and value placeholders as the
# program's own help, so the two cannot drift apart.
#   man_pages_test.sh MAN_DIR NAME=PATH...
set -uo pipefail
man_dir=$1
shift
if ! command -v groff >/dev/null; then
  echo "SKIP: groff not installed"
  exit 77
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# One "name placeholder" line per option (placeholder "-" when it takes no
# value), from option texts such as "--mode=arg", "--root-dir <dir>" or
# "-h, --help"; the text of one option ends at two spaces or a tab.
option_entries() {
  sed -E 's/^[[:space:]]+//; s/(  |\t).*//' |
    sed -E 's/, *-/\n-/g' | sed -E 's/^ +//; s/ +$//' | grep -E '^-' |
    sed -E 's/[<>]//g; s/^(-[^= ]*)[= ]+(.+)$/\1 \2/; /^-[^ ]*$/s/$/ -/' | sort -u
}

# The help's option list: its lines that begin with an option; for a program
# with commands, the options of every command's own help together.
help_options() {
  local help commands
  help=$("$1" --help 2>&1)
  commands=$(sed -n '/^Commands:/,/^$/p' <<<"$help" | sed -nE 's/^  ([a-z]+) .*/\1/p')
  {
    grep -E '^[[:space:]]+-' <<<"$help"
    for command in $commands; do "$1" "$command" --help 2>&1 | grep -E '^[[:space:]]+-'; done
  } | option_entries
}

# The page's option list: the tag line after each .TP of its OPTIONS section,
# its font requests and escapes dropped and its arguments joined as groff
# joins them (alternating-font requests put no space between arguments).
page_options() {
  awk '/^\.SH/ { in_options = ($0 ~ /^\.SH "?OPTIONS"?$/); next }
       in_options && tag { print; tag = 0; next }
       in_options && /^\.TP/ { tag = 1 }' "$1" |
    sed -E 's/\\-/-/g; s/\\f[BIRP]//g; s/\\c//g; s/\\&//g' |
    awk '{
      sub(/^\.[A-Z]+ */, "")
      text = ""; quoted = 0
      for (i = 1; i <= length($0); i++) {
        c = substr($0, i, 1)
        if (c == "\"") quoted = !quoted
        else if (c != " " || quoted) text = text c
      }
      print text
    }' | option_entries
}

names=()
for entry in "$@"; do names+=("${entry%%=*}"); done

for entry in "$@"; do
  name=${entry%%=*}
  program=${entry#*=}
  page=$man_dir/$name.1
  echo "== $name"
  [ -f "$page" ] || { fail "$name: no manual page $page"; continue; }

  warnings=$(groff -ww -man -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "$name: groff warns: $warnings"

  for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES EXAMPLES "SEE ALSO"; do
    grep -Eq "^\.SH \"?$section\"?\$" "$page" || fail "$name: no section $section"
  done
  see_also=$(sed -n '/^\.SH "\{0,1\}SEE ALSO/,$p' "$page" | sed 's/\\-/-/g')
  for other in "${names[@]}"; do
    [ "$other" = "$name" ] && continue
    grep -q "^\.BR $other (1)" <<<"$see_also" || fail "$name: SEE ALSO does not name $other(1)"
  done

  help=$(help_options "$program")
  [ -n "$help" ] || fail "$name: no option found in its --help"
  if ! difference=$(diff <(echo "$help") <(page_options "$page")); then
    fail "$name: options of --help (<) and of the manual page (>) differ:"
    echo "$difference"
  fi
done

[ "$failures" -eq 0 ] && echo "all manual pages agree with their programs"
[ "$failures" -eq 0 ]
