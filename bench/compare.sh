#!/usr/bin/env bash
# Times several builds of Brisvane side by side on one project, next to the
# reference commands of the performance targets, in one hyperfine run per
# case, and prints wall and CPU medians, ratios and peak memory.
#   bench/compare.sh PROJECT_DIR EXE [EXE...]
# Each EXE is labelled by its file name. The documents that new mode reads
# are written by the first EXE. Work files go to $BRISVANE_BENCH_DIR (default
# /tmp/brisvane-compare); $RUNS runs per command (default 5).
set -euo pipefail
project=$(cd "$1" && pwd)
shift
exes=("$@")
work=${BRISVANE_BENCH_DIR:-/tmp/brisvane-compare}
runs=${RUNS:-5}
rm -rf "$work"
mkdir -p "$work"
find "$project" -name '*.t' | sort >"$work/files.txt"
first=${exes[0]}
"$first" --mode=get --root-dir="$project" --format=html --res-file="$work/doc.html" 2>/dev/null
"$first" --mode=get --root-dir="$project" --format=csv --res-file="$work/doc.csv" 2>/dev/null
mkdir -p "$work/empty"
"$first" --mode=get --root-dir="$work/empty" --format=html --res-file="$work/empty.html" 2>/dev/null

# One hyperfine run: the median wall time and the mean user + system time.
declare -A wall cpu peak
time_case() {  # label command [prepare]
  local label=$1 command=$2 prepare=${3:-}
  local options=(--warmup 1 --runs "$runs" --style none --export-json "$work/t.json" -n "$label")
  [ -n "$prepare" ] && options+=(--prepare "$prepare")
  hyperfine "${options[@]}" "$command" >/dev/null
  read -r w c < <(python3 -c '
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print(r["median"], r["user"] + r["system"])' "$work/t.json")
  wall[$label]=$w
  cpu[$label]=$c
  [ -n "$prepare" ] && bash -c "$prepare"
  peak[$label]=$(/usr/bin/time -f '%M' bash -c "$command" 2>&1 >/dev/null | tail -n 1)
  [ -n "$prepare" ] && bash -c "$prepare"
  return 0
}

labels=()
for exe in "${exes[@]}"; do
  n=$(basename "$exe")
  for f in html csv; do
    time_case "$n get $f" "$exe --mode=get --root-dir=$project --format=$f --res-file=$work/get.$f 2>/dev/null"
    time_case "$n new $f" \
      "$exe --mode=new --root-dir=$project --format=$f --in-doc=$work/doc.$f --res-dir=$work/res 2>/dev/null" \
      "rm -rf $work/res"
    labels+=("$n get $f" "$n new $f")
  done
  time_case "$n new empty" \
    "$exe --mode=new --root-dir=$work/empty --format=html --in-doc=$work/empty.html --res-dir=$work/res 2>/dev/null" \
    "rm -rf $work/res"
done
time_case "tar copy" "tar -cf - -C $project . | tar -xf - -C $work/copy" "rm -rf $work/copy; mkdir $work/copy"
time_case "tar read" "tar -cf - -C $project . | cat >/dev/null"
time_case "cat doc.html" "cat $work/doc.html >/dev/null"
time_case "cat doc.csv" "cat $work/doc.csv >/dev/null"
time_case "xgettext -a" "xgettext -a --language=C --from-code=CP1251 -f $work/files.txt -o $work/peer.pot 2>/dev/null"

mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'; }
echo "Project $(mb "$(du -sb --apparent-size "$project" | cut -f1)") MB, $(wc -l <"$work/files.txt") files;" \
  "doc.html $(mb "$(stat -c %s "$work/doc.html")") MB, doc.csv $(mb "$(stat -c %s "$work/doc.csv")") MB;" \
  "wall: median, cpu: mean of $runs runs; load average $(cut -d' ' -f1 /proc/loadavg)"
printf '| %-22s | %7s | %7s | %8s | %s |\n' run "wall s" "cpu s" "peak MB" "ratio (cpu)"
printf '|---|---:|---:|---:|---|\n'
row() {  # label ratio-text
  awk -v n="$1" -v w="${wall[$1]}" -v c="${cpu[$1]}" -v k="${peak[$1]}" -v r="$2" \
    'BEGIN { printf "| %-22s | %7.3f | %7.3f | %8.1f | %s |\n", n, w, c, k / 1024, r }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# Extra memory: the peak less that of a run on an empty project, as a
# multiple of the document.
memory() {  # label exe-label format
  local base=${peak["$2 new empty"]}
  ratio "$(( (peak["$1"] - base) * 1024 ))" "$(stat -c %s "$work/doc.$3")"
}
for exe in "${exes[@]}"; do
  n=$(basename "$exe")
  for f in html csv; do
    row "$n get $f" "$(ratio "${cpu[$n get $f]}" "${cpu[xgettext -a]}") xgettext, $(ratio "${cpu[$n get $f]}" "${cpu[tar read]}") tar read, memory $(memory "$n get $f" "$n" $f) doc"
    copy=$(awk -v a="${cpu[tar copy]}" -v b="${cpu[cat doc.$f]}" 'BEGIN { print a + b }')
    row "$n new $f" "$(ratio "${cpu[$n new $f]}" "$copy") copy+cat, memory $(memory "$n new $f" "$n" $f) doc"
  done
  row "$n new empty" ""
done
for l in "tar copy" "tar read" "cat doc.html" "cat doc.csv" "xgettext -a"; do row "$l" ""; done
