#!/usr/bin/env bash
# Installs the build, then runs the installed executables on the installed
# demo game and compares everything they write and print with what the
# build's own executables make of the same input.
#   install_test.sh prefix BUILD_DIR EXAMPLES_DIR NAME=PATH...
#       cmake --install into a temporary prefix
#   install_test.sh deb BUILD_DIR EXAMPLES_DIR NAME=PATH...
#       cpack -G DEB, then dpkg -x into a temporary root; also checks the
#       package's fields and stripped binaries, and runs lintian when present
# CMAKE and CPACK name the programs (default: from PATH).
set -euo pipefail
mode=$1 build=$2 examples=$3
shift 3
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}

temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

case $mode in
  prefix)
    "$cmake" --install "$build" --prefix "$temp/root/usr" >/dev/null
    ;;
  deb)
    for program in dpkg-deb dpkg-shlibdeps; do
      command -v "$program" >/dev/null || { echo "SKIP: $program not installed"; exit 77; }
    done
    (cd "$build" && "$cpack" -G DEB -B "$temp/package" >"$temp/cpack.log") ||
      { cat "$temp/cpack.log"; exit 1; }
    debs=("$temp/package"/brisvane_*_"$(dpkg --print-architecture)".deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { ls "$temp/package"; exit 1; }
    deb=${debs[0]}
    echo "built $(basename "$deb")"
    dpkg-deb -x "$deb" "$temp/root"
    [ "$(dpkg-deb -f "$deb" Section)" = text ] || fail "section is not text"
    dpkg-deb -f "$deb" Depends | grep -q libqt5core5a || fail "Depends lacks Qt Core"
    [ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "no long description"
    if command -v lintian >/dev/null; then
      lintian --tag-display-limit 0 "$deb" >"$temp/lintian.log" 2>&1 || true
      cat "$temp/lintian.log"
      ! grep -q '^E: ' "$temp/lintian.log" || fail "lintian reports errors"
    else
      echo "lintian is not installed: the package is not linted"
    fi
    ;;
  *)
    echo "usage: install_test.sh prefix|deb BUILD_DIR EXAMPLES_DIR NAME=PATH..." >&2
    exit 2
    ;;
esac

root=$temp/root/usr
doc=$root/share/doc/brisvane
for file in README.md copyright changelog.gz; do
  [ -f "$doc/$file" ] || fail "no $doc/$file"
done
gzip -t "$doc/changelog.gz" || fail "changelog.gz is not gzip"
for entry in "$@"; do
  name=${entry%%=*}
  [ -x "$root/bin/$name" ] || fail "$name is not installed in bin/"
  gzip -t "$root/share/man/man1/$name.1.gz" || fail "no compressed manual page for $name"
  [ -f "$root/share/bash-completion/completions/$name" ] || fail "no completion for $name"
  if [ "$mode" = deb ] && readelf -S "$root/bin/$name" | grep -q '\.symtab'; then
    fail "$name is not stripped"
  fi
done
diff -r "$examples/game" "$doc/examples/game" && diff -r "$examples/corrected" "$doc/examples/corrected" ||
  fail "the installed demo differs from examples/"

# run KIND TOOL ARGS...: runs the installed or the build's TOOL in
# $temp/KIND, keeping its exit code and console lines in KIND's log.
run() {
  local kind=$1 name=$2 program
  shift 2
  if [ "$kind" = installed ]; then
    program=$root/bin/$name
  else
    for entry in "${tools[@]}"; do [ "${entry%%=*}" = "$name" ] && program=${entry#*=}; done
  fi
  (cd "$temp/$kind" && "$program" "$@" >>log 2>&1; echo "exit $?" >>log)
}

tools=("$@")
for kind in installed built; do
  mkdir -p "$temp/$kind"
  cp -r "$doc/examples/game" "$doc/examples/corrected" "$temp/$kind/"
  for format in html csv; do
    run $kind Brisvane --mode=get --root-dir=game --format=$format --res-file=demo.$format \
      --ignore=stdlib
    run $kind Brisvane --mode=new --root-dir=game --format=$format \
      --in-doc=corrected/demo.$format --ignore=stdlib --res-dir=patched-$format
    # Not a pipe into grep -q: under pipefail its early exit can fail printf.
    if [[ " $* " == *" brisvane-check="* ]]; then
      run $kind brisvane-check --root-dir=game --format=$format \
        --in-doc=corrected/demo.$format --ignore=stdlib --write-clean=clean.$format
    fi
  done
  sed -i "s#$temp/$kind#WORK#g" "$temp/$kind/log"
done
diff -r "$temp/built" "$temp/installed" || fail "the installed tools and the build's differ"
grep -q "^exit 0" "$temp/built/log" && [ "$(grep -c '^Finished' "$temp/built/log")" -eq 4 ] ||
  fail "the demo runs did not finish"
[ -f "$temp/installed/patched-html/rooms/cellar.t" ] || fail "no patched copy"

[ "$failures" -eq 0 ] && echo "$mode: the installed tools do what the build's do"
[ "$failures" -eq 0 ]
