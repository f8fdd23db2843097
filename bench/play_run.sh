#!/usr/bin/env bash
# Times `brisvane-po play` on the adv3 sample game that comes with the TADS
# compilers (the adv3 library, the system sources and sample.t, 53 files)
# with the 40-command walkthrough bench/play_walkthrough.cmd, and measures
# what its classes are worth: every entry not classified as changing the
# game gets a stand-in that wraps its text in [[ ]] (bench/play_measure.cpp),
# the copy must build and play the reference, and the share of what the
# player reads inside the stand-ins is printed.
#   BRISVANE_TADS_DIR=/path/to/tads bench/play_run.sh [JOBS]
# JOBS (default 2) copies are built and played at once. Work files go to
# $BRISVANE_BENCH_DIR (default /tmp/brisvane-play-bench), the build to
# build-bench/ (or $BRISVANE_BENCH_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
tads=${BRISVANE_TADS_DIR:-}
work=${BRISVANE_BENCH_DIR:-/tmp/brisvane-play-bench}
build=${BRISVANE_BENCH_BUILD:-build-bench}
if [[ -z "$tads" || ! -x "$tads/bin/t3make" || ! -x "$tads/bin/frob" ]]; then
  echo "bench/play_run.sh: set BRISVANE_TADS_DIR to the folder of the TADS compilers" >&2
  exit 2
fi
bash tools/install-deps.sh time gettext
bash tools/build.sh "$build" -DBRISVANE_BENCH=ON >/dev/null
po="$(cd "$build" && pwd)/po/brisvane-po"
measure="$(cd "$build" && pwd)/bench/brisvane_play_measure"
walkthrough="$(pwd)/bench/play_walkthrough.cmd"

rm -rf "$work"
mkdir -p "$work/sample"
samples="$tads/src/frobtads/tads3/samples"
cp -r "$tads/lib/adv3" "$work/sample/"
cp "$tads"/lib/*.t "$tads"/lib/*.tl "$samples/sample.t" "$samples/bantest.t" "$work/sample/"
build_command="$tads/bin/t3make -q -FC -Fy obj -Fo obj -FL . -FI $tads/include -o sample.t3 \
-D LANGUAGE=en_us -D MESSAGESTYLE=neu -source reflect -lib system -lib adv3/adv3 \
-source sample -source bantest"
run_command="$tads/bin/frob -i plain -p -S -R $walkthrough sample.t3"

echo "== brisvane-po play, $jobs copies at a time ($(nproc) processors, load $(cut -d' ' -f1 /proc/loadavg))"
/usr/bin/time -f '%e s wall, %U s user, %S s system' -o "$work/time.txt" \
  "$po" play --root-dir="$work/sample" --build="$build_command" --run="$run_command" \
  --jobs="$jobs" -o "$work/play.pot" >"$work/play.out" 2>"$work/play.err"
head -n 1 "$work/play.out"
cat "$work/time.txt"

echo "== A stand-in on every entry not classified as changing the game"
"$measure" po "$work/play.pot" "$work/standin.po"
"$po" apply --root-dir="$work/sample" --po="$work/standin.po" --res-dir="$work/copy" >/dev/null
(cd "$work/sample" && eval "$build_command" && eval "$run_command" </dev/null >"$work/reference.txt")
(cd "$work/copy" && eval "$build_command" && eval "$run_command" </dev/null >"$work/standin.txt")
"$measure" count "$work/reference.txt" "$work/standin.txt"
