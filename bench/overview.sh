#!/usr/bin/env bash
# The set overview: all thumbnails of a double set of 41 card pictures of
# 4000 x 3000 pixels in 24 bits (1.5 GB) made and in their cells, against a
# plain read() of the same 41 files, both inside one process, warm cache. The
# thumbnails are made on every core; the read is one plain loop. The two take
# turns, 5 runs each; the medians are compared. Target: at most 2 times the
# read; exits 1 when missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
bench="$BUILD/bench/overview_bench"
set_dir="$WORK/overview-set"
runs=5
trap 'rm -rf "$set_dir"' EXIT
"$bench" make "$set_dir"
cat "$set_dir"/*.bmp > /dev/null

reads=()
overviews=()
for _ in $(seq "$runs"); do
  reads+=("$("$bench" read "$set_dir")")
  overviews+=("$("$bench" overview "$set_dir")")
done
t_read=$(median "${reads[@]}")
t_overview=$(median "${overviews[@]}")
ratio=$(ratio "$t_overview" "$t_read")
echo "read 41 cards:        ${t_read} s (runs: ${reads[*]})"
echo "overview of 41 cards: ${t_overview} s (runs: ${overviews[*]})"
echo "overview / read:      ${ratio} (target <= 2)"
check_target overview "$ratio" 2
