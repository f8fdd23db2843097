#!/usr/bin/env bash
# Compiles the example game in GAME_DIR with the TADS 3 compiler and plays the
# commands in commands.cmd (next to this script), printing the transcript:
#   bash examples/tads3/play.sh GAME_DIR [CHARSET]
# CHARSET is the interpreter's output character set (default us-ascii; the
# Russian copy is played with utf-8). The compilers are taken from
# $BRISVANE_TADS_DIR (bin/, lib/, include/); exit code 3 when they are not there.
# The game is compiled in a temporary copy, so GAME_DIR is only read.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
game="$(cd "$1" && pwd)"
charset=${2:-us-ascii}
tads=${BRISVANE_TADS_DIR:-}
bin=$tads/bin
if [[ -z "$tads" || ! -x "$bin/t3make" || ! -x "$bin/frob" ]]; then
  echo "play.sh: TADS compilers not found; set BRISVANE_TADS_DIR" >&2
  exit 3
fi
tads="$(cd "$tads" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$game" "$work/game"
cd "$work/game"
"$bin/t3make" -q -FC -Fy obj -Fo obj -FL "$tads/lib" -FI "$tads/include" -o game.t3 \
  -D LANGUAGE=en_us -D MESSAGESTYLE=neu -lib system -lib adv3/adv3 \
  -source start -source street -source shop >&2
"$bin/frob" -i plain -p -S -k "$charset" -R "$here/commands.cmd" game.t3 </dev/null
