#!/usr/bin/env bash
# Times brisvane-po next to its gettext peers on the same trees, in one run:
#   extract  vs  xgettext -a --language=C over the same *.t files
#   apply    vs  msgmerge of the same PO file with the template
# and measures the peak memory of each (GNU time), against the peer's plus
# the largest source file.
#   bench/po_run.sh        a generated project of about 10 MB (with literals
#                          over two lines), and a copy of the adv3 library
#   bench/po_run.sh 50     the generated project at about 50 MB
# The adv3 tree is taken from the TADS build ($BRISVANE_TADS_DIR/lib/adv3)
# and left out where it is missing. Work files go to
# $BRISVANE_BENCH_DIR (default /tmp/brisvane-po-bench), the build to
# build-bench/ (or $BRISVANE_BENCH_BUILD). $BRISVANE_PO_BEFORE, the path of
# an earlier brisvane-po, adds its extract and apply rows to the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
size_mb=${1:-10}
files=$((size_mb <= 10 ? 300 : size_mb * 10))
runs=${BRISVANE_BENCH_RUNS:-5}
work=${BRISVANE_BENCH_DIR:-/tmp/brisvane-po-bench}
build=${BRISVANE_BENCH_BUILD:-build-bench}

bash tools/install-deps.sh hyperfine gettext time translate-toolkit
bash tools/build.sh "$build" -DBRISVANE_BENCH=ON >/dev/null
po="$(cd "$build" && pwd)/po/brisvane-po"

rm -rf "$work"
mkdir -p "$work"
"$build/bench/brisvane_make_project" "$work/generated" "$size_mb" "$files" >/dev/null
trees=(generated)
if [[ -n "${BRISVANE_TADS_DIR:-}" && -d "$BRISVANE_TADS_DIR/lib/adv3" ]]; then
  cp -r "$BRISVANE_TADS_DIR/lib/adv3" "$work/adv3"
  trees+=(adv3)
fi

mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'; }
row() {  # row TREE NAME COMMAND [PREPARE]: times one command, prints a table row
  local tree=$1 name=$2 command=$3 prepare=${4:-}
  local options=(--warmup 1 --runs "$runs" --style none --export-csv "$work/timing.csv" -n "$name")
  [[ -n "$prepare" ]] && options+=(--prepare "$prepare")
  hyperfine "${options[@]}" "$command" >/dev/null 2>&1
  # command,mean,stddev,median,user,system,min,max
  IFS=',' read -r _ mean _ _ user system _ _ < <(tail -n 1 "$work/timing.csv")
  [[ -n "$prepare" ]] && bash -c "$prepare"
  local peak
  peak=$(/usr/bin/time -f '%M' bash -c "$command" 2>&1 >/dev/null | tail -n 1)
  [[ -n "$prepare" ]] && bash -c "$prepare"
  printf '| %-9s | %-10s | %8.3f | %8.3f | %9.1f |\n' "$tree" "$name" "$mean" \
    "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')"
  echo "$tree $name $mean $peak" >>"$work/results.txt"
}

printf '| %-9s | %-10s | %8s | %8s | %9s |\n' tree run "wall s" "cpu s" "peak MB"
printf '|%s|%s|%s|%s|%s|\n' ----------- ------------ ---------: ---------: ----------:
for tree in "${trees[@]}"; do
  project="$work/$tree"
  find "$project" -name '*.t' | sort >"$work/$tree.files"
  charset=CP1251
  [[ $tree == adv3 ]] && charset=ISO-8859-1
  # The translation both apply and msgmerge read: every entry pseudo-translated.
  "$po" extract --root-dir="$project" -o "$work/$tree.pot"
  podebug --rewrite=xxx -i "$work/$tree.pot" -o "$work/$tree.po" >/dev/null 2>&1
  if [[ -n ${BRISVANE_PO_BEFORE:-} ]]; then
    row "$tree" extract-before "$BRISVANE_PO_BEFORE extract --root-dir=$project -o $work/out.pot"
  fi
  row "$tree" extract "$po extract --root-dir=$project -o $work/out.pot"
  row "$tree" "xgettext" \
    "xgettext -a --language=C --from-code=$charset -f $work/$tree.files -o $work/peer.pot 2>/dev/null"
  if [[ -n ${BRISVANE_PO_BEFORE:-} ]]; then
    row "$tree" apply-before "$BRISVANE_PO_BEFORE apply --root-dir=$project --po=$work/$tree.po --res-dir=$work/res" \
      "rm -rf $work/res"
  fi
  row "$tree" apply "$po apply --root-dir=$project --po=$work/$tree.po --res-dir=$work/res" \
    "rm -rf $work/res"
  row "$tree" msgmerge "msgmerge --quiet -o $work/merged.po $work/$tree.po $work/$tree.pot"
  largest=$(xargs -a "$work/$tree.files" stat -c %s | sort -n | tail -n 1)
  echo "$tree largest $largest $(du -sb --apparent-size "$project" | cut -f1)" >>"$work/results.txt"
done

echo
echo "$runs runs each after a warm-up, warm file cache, $(nproc) cores," \
  "load average $(cut -d' ' -f1 /proc/loadavg) at the end."
awk '
  $2 == "largest" { largest[$1] = $3; size[$1] = $4; next }
  { t[$1, $2] = $3; m[$1, $2] = $4 }
  END {
    for (tree in size) {
      printf "%s (%.1f MB, largest file %.0f KB):\n", tree, size[tree] / 1048576, largest[tree] / 1024
      r = t[tree, "xgettext"] / t[tree, "extract"]
      printf "  extract is %.2f x as fast as xgettext -a: %s\n", r, (r >= 1 ? "met" : "NOT met")
      r = t[tree, "msgmerge"] / t[tree, "apply"]
      printf "  apply is %.2f x as fast as msgmerge: %s\n", r, (r >= 1 ? "met" : "NOT met")
      split("extract xgettext apply msgmerge", names, " ")
      for (i = 1; i <= 3; i += 2) {
        own = m[tree, names[i]] * 1024; peer = m[tree, names[i + 1]] * 1024 + largest[tree]
        printf "  peak of %s %.1f MB, of %s plus the largest file %.1f MB: %s\n", names[i],
          own / 1048576, names[i + 1], peer / 1048576, (own <= peer ? "met" : "NOT met")
      }
    }
  }' "$work/results.txt"
