#!/usr/bin/env bash
# Times whole runs of Brisvane on a synthetic TADS project next to plain file
# tools and a peer extractor, and prints a table.
#   bench/run.sh          a project of about 10 MB in 300 files
#   bench/run.sh 100      about 100 MB in 1000 files (any size in MB works)
# Work files go to $BRISVANE_BENCH_DIR (default /tmp/brisvane-bench); the build
# to build-bench/ (or $BRISVANE_BENCH_BUILD). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
size_mb=${1:-10}
files=$((size_mb <= 10 ? 300 : size_mb * 10))
runs=$((size_mb <= 10 ? 10 : 3))
work=${BRISVANE_BENCH_DIR:-/tmp/brisvane-bench}
build=${BRISVANE_BENCH_BUILD:-build-bench}

bash tools/install-deps.sh hyperfine gettext time
bash tools/build.sh "$build" -DBRISVANE_BENCH=ON >/dev/null
exe="$(cd "$build" && pwd)/Brisvane"

rm -rf "$work"
mkdir -p "$work"
project="$work/project"
"$build/bench/brisvane_make_project" "$project" "$size_mb" "$files" >/dev/null
find "$project" -name '*.t' | sort >"$work/files.txt"
project_bytes=$(du -sb --apparent-size "$project" | cut -f1)
file_count=$(wc -l <"$work/files.txt")

# The unchanged documents that new mode reads back.
"$exe" --mode=get --root-dir="$project" --format=html --res-file="$work/doc.html" 2>/dev/null
"$exe" --mode=get --root-dir="$project" --format=csv --res-file="$work/doc.csv" 2>/dev/null

# name|command|command run before each timing (or empty)
cases=(
  "get html|$exe --mode=get --root-dir=$project --format=html --res-file=$work/get.html 2>/dev/null|"
  "get csv|$exe --mode=get --root-dir=$project --format=csv --res-file=$work/get.csv 2>/dev/null|"
  "new html|$exe --mode=new --root-dir=$project --format=html --in-doc=$work/doc.html --res-dir=$work/res 2>/dev/null|rm -rf $work/res"
  "new csv|$exe --mode=new --root-dir=$project --format=csv --in-doc=$work/doc.csv --res-dir=$work/res 2>/dev/null|rm -rf $work/res"
  "xgettext -a|xgettext -a --language=C --from-code=CP1251 -f $work/files.txt -o $work/peer.pot 2>/dev/null|"
  "cat sources|xargs -a $work/files.txt cat >/dev/null|"
  "cat doc.html|cat $work/doc.html >/dev/null|"
  "cat doc.csv|cat $work/doc.csv >/dev/null|"
  "cp -r project|cp -r $project $work/copy|rm -rf $work/copy"
)

declare -A wall cpu peak
for entry in "${cases[@]}"; do
  IFS='|' read -r name command prepare <<<"$entry"
  options=(--warmup 1 --runs "$runs" --style none --export-csv "$work/timing.csv" -n "$name")
  [ -n "$prepare" ] && options+=(--prepare "$prepare")
  hyperfine "${options[@]}" "$command" >/dev/null
  # command,mean,stddev,median,user,system,min,max
  IFS=',' read -r _ mean _ _ user system _ _ < <(tail -n 1 "$work/timing.csv")
  wall[$name]=$mean
  cpu[$name]=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
  [ -n "$prepare" ] && bash -c "$prepare"
  peak[$name]=$(/usr/bin/time -f '%M' bash -c "$command" 2>&1 >/dev/null | tail -n 1)
  [ -n "$prepare" ] && bash -c "$prepare"
done

mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'; }
echo "Project: $(mb "$project_bytes") MB in $file_count files;" \
  "doc.html $(mb "$(stat -c %s "$work/doc.html")") MB, doc.csv $(mb "$(stat -c %s "$work/doc.csv")") MB;" \
  "$runs runs each after a warm-up, warm file cache, $(nproc) cores," \
  "load average $(cut -d' ' -f1 /proc/loadavg) at the end."
echo
printf '| %-13s | %8s | %8s | %10s | %9s |\n' "run" "wall s" "cpu s" "MB/s wall" "peak MB"
printf '|%s|%s|%s|%s|%s|\n' "---------------" "----------:" "----------:" "------------:" "-----------:"
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  awk -v n="$name" -v w="${wall[$name]}" -v c="${cpu[$name]}" -v k="${peak[$name]}" \
    -v b="$project_bytes" 'BEGIN { printf "| %-13s | %8.3f | %8.3f | %10.1f | %9.1f |\n",
      n, w, c, b / 1048576 / w, k / 1024 }'
done

echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" -v op="$3" 'BEGIN {
  ok = op == "<=" ? r <= t : r >= t; print ok ? "met" : "NOT met" }'; }
for format in html csv; do
  for clock in wall cpu; do
    declare -n times=$clock
    r=$(ratio "${times[xgettext -a]}" "${times[get $format]}")
    echo "get $format vs xgettext ($clock): $r x as fast; target >= 1: $(verdict "$r" 1 '>=')," \
      "better >= 2: $(verdict "$r" 2 '>=')"
  done
done
for format in html csv; do
  for clock in wall cpu; do
    declare -n times=$clock
    base=$(awk -v a="${times[cp -r project]}" -v b="${times[cat doc.$format]}" 'BEGIN { print a + b }')
    r=$(ratio "${times[new $format]}" "$base")
    echo "new $format vs cp -r + cat doc ($clock): $r x; target <= 5: $(verdict "$r" 5 '<=')," \
      "better <= 3: $(verdict "$r" 3 '<=')"
  done
done
for name in "get html" "get csv" "new html" "new csv"; do
  r=$(ratio "$((peak[$name] * 1024))" "$project_bytes")
  echo "peak memory of $name: $r x the project; target < 4: $(verdict "$r" 4 '<=')"
done
