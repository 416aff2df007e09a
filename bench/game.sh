#!/usr/bin/env bash
# The game window: opened on a double set of 20 pairs and a cover, 41 card
# pictures of 4000 x 3000 pixels in 24 bits, until every face is decoded and
# the cards are dealt, against a plain read() of the same 41 files, both
# inside one process, warm cache. The two take turns, 5 runs each; the
# medians are compared. Target: at most 2 times the read; exits 1 when missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
maker="$BUILD/bench/overview_bench"
bench="$BUILD/bench/game_bench"
set_dir="$WORK/game-set"
runs=5
trap 'rm -rf "$set_dir"' EXIT
"$maker" make "$set_dir"
cat "$set_dir"/*.bmp > /dev/null

reads=()
games=()
for _ in $(seq "$runs"); do
  reads+=("$("$maker" read "$set_dir")")
  games+=("$(QT_QPA_PLATFORM=offscreen "$bench" game "$set_dir")")
done
t_read=$(median "${reads[@]}")
t_game=$(median "${games[@]}")
ratio=$(ratio "$t_game" "$t_read")
echo "read 41 cards:           ${t_read} s (runs: ${reads[*]})"
echo "game on 20 pairs, ready: ${t_game} s (runs: ${games[*]})"
echo "game / read:             ${ratio} (target <= 2)"
check_target game "$ratio" 2
