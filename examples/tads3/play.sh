#!/usr/bin/env bash
# Compiles the example game in GAME_DIR with the TADS 3 compiler and plays the
# commands in commands.cmd (next to this script), printing the transcript:
#   bash examples/tads3/play.sh GAME_DIR [CHARSET]
# CHARSET is the interpreter's output character set (default us-ascii; the
# Russian copy is played with utf-8). The compilers are looked for in
# $TADS_BIN, then ~/.cache/tads/bin; exit code 3 when they are not there.
# The game is compiled in a temporary copy, so GAME_DIR is only read.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
game="$(cd "$1" && pwd)"
charset=${2:-us-ascii}
bin=${TADS_BIN:-$HOME/.cache/tads/bin}
if [[ ! -x "$bin/t3make" || ! -x "$bin/frob" ]]; then
  echo "play.sh: no TADS compilers in $bin" >&2
  exit 3
fi
tads="$(cd "$bin/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$game" "$work/game"
cd "$work/game"
"$bin/t3make" -q -FC -Fy obj -Fo obj -FL "$tads/lib" -FI "$tads/include" -o game.t3 \
  -D LANGUAGE=en_us -D MESSAGESTYLE=neu -lib system -lib adv3/adv3 \
  -source start -source street -source shop >&2
"$bin/frob" -i plain -p -S -k "$charset" -R "$here/commands.cmd" game.t3 </dev/null
