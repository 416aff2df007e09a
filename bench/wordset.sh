#!/usr/bin/env bash
# A set from a word list: tessellor-tool word-set of 20 words as a double
# set (40 text cards and 40 spoken sounds, the cover, Set.cfg), RUNS times
# into a fresh folder each time. Compares the median wall time with the
# limit of 3 s. Exits 1 when it is missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
tool="$BUILD/tools/tessellor-tool"
runs=${RUNS:-7}
list="$WORK/words.txt"
ed="$WORK/wordset-ed"
printf '%s\n' cat dog horse "red apple" banana tree sun moon star fish \
  bird "little boat" train plane book pencil cup ball shoe "yellow hat" >"$list"

times=()
for _ in $(seq "$runs"); do
  rm -rf "$ed"
  t0=$(date +%s%N)
  "$tool" word-set "$list" "$ed/Words" --double >"$WORK/wordset-report"
  t1=$(date +%s%N)
  times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')")
done
[ "$(grep -c '^card ' "$WORK/wordset-report")" -eq 40 ] || { echo "word-set: not 40 cards" >&2; exit 1; }
t=$(median "${times[@]}")
echo "word-set of 20 words, double set: ${t} s (runs: ${times[*]}; limit 3 s)"
check_target wordset "$(ratio "$t" 3)" 1
