#!/usr/bin/env bash
# Sources each built executable's bash completion after bash-completion's own
# functions, as bash-completion loads it, and checks what it offers for a
# command line typed up to the cursor.
#   completion_test.sh COMPLETION_DIR NAME...
set -uo pipefail
completion_dir=$1
shift
main=${BASH_COMPLETION_MAIN:-/usr/share/bash-completion/bash_completion}
if [ ! -f "$main" ]; then
  echo "SKIP: bash-completion not installed ($main)"
  exit 77
fi

# tool | command line up to the cursor | the offers, sorted, separated by spaces
cases='
Brisvane|Brisvane --mo|--mode=
Brisvane|Brisvane --mode=|get new
Brisvane|Brisvane --mode=n|new
Brisvane|Brisvane --format=|csv html
Brisvane|Brisvane --mode=get --root-dir=ga|game
Brisvane|Brisvane --mode=new --res-dir=ga|game
Brisvane|Brisvane --mode=new --in-doc=ga|game game.html
Brisvane|Brisvane --log|--log-preprocess
brisvane-check|brisvane-check --fo|--format
brisvane-check|brisvane-check --format |csv html
brisvane-check|brisvane-check --format=|csv html
brisvane-check|brisvane-check --root-dir ga|game
brisvane-check|brisvane-check --root-dir=ga|game
brisvane-po|brisvane-po |--help --version apply check extract import play
brisvane-po|brisvane-po apply --to-charset=|auto source utf-8
brisvane-po|brisvane-po play --jo|--jobs=
brisvane-po|brisvane-po extract --ro|--root-dir=
brisvane-po|brisvane-po import --format=|csv html
brisvane-po|brisvane-po apply --root-dir=ga|game
brisvane-po|brisvane-po extract --root-dir=game -o ga|game
'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/game"
touch "$work/game.html" "$work/game.t"

# complete TOOL LINE: the offers for LINE, split into words as bash splits
# them ("=" is a word of its own), in a fresh shell.
complete_line() {
  (
    cd "$work" || exit 1
    # shellcheck disable=SC1090
    source "$main"
    source "$completion_dir/$1.bash"
    compopt() { :; }  # only valid while readline completes
    COMP_LINE=$2
    COMP_POINT=${#COMP_LINE}
    read -ra COMP_WORDS <<<"${COMP_LINE//=/ = }"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    function=$(complete -p "$1" | sed -E 's/.* -F ([^ ]+) .*/\1/')
    "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
  )
}

failures=0
checked=0
while IFS='|' read -r tool line expected; do
  [ -n "$tool" ] || continue
  printf '%s\n' "$@" | grep -qx "$tool" || continue
  actual=$(complete_line "$tool" "$line" 2>&1)
  checked=$((checked + 1))
  if [ "$actual" != "$expected" ]; then
    echo "FAIL: '$line' offers '$actual', expected '$expected'"
    failures=$((failures + 1))
  fi
done <<<"$cases"
echo "$checked command lines checked, $failures wrong"
[ "$failures" -eq 0 ]
