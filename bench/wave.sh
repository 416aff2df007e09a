#!/usr/bin/env bash
# wave-copy of a 100 MB PCM wave against cp of the same file, and the same save
# inside one process against cp, then binding a 1 MB and a 100 MB wave (binding
# reads the header only, so both take about as long). cp, wave-copy and the
# in-process save take turns, RUNS times (warm cache), so all see the same load
# on the machine; the medians are compared. Fails when wave-copy takes more
# than 1.3 times cp.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
tool="$BUILD/tools/tessellor-tool"
bench="$BUILD/bench/wave_bench"
runs=${RUNS:-9}
big="$WORK/wave100.wav"
small="$WORK/wave1.wav"
copy="$WORK/copy.wav"
"$bench" make "$big" 104857600
"$bench" make "$small" 1048576
cat "$big" >/dev/null

now_ns() { date +%s%N; }
# Wall time of "$@" in milliseconds, the copy removed first.
time_ms() {
  rm -f "$copy"
  local t0 t1
  t0=$(now_ns)
  "$@"
  t1=$(now_ns)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", (b - a) / 1e6 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

cp_ms=()
copy_ms=()
save_ms=()
for _ in $(seq "$runs"); do
  cp_ms+=("$(time_ms cp "$big" "$copy")")
  copy_ms+=("$(time_ms "$tool" wave-copy "$big" "$copy")")
  # The samples start at 44 in the source and at 46 in the copy (18-byte fmt).
  cmp -s -n 104857600 -i 44:46 "$big" "$copy" || { echo "wave-copy: copied samples differ" >&2; exit 1; }
  rm -f "$copy"
  save_ms+=("$("$bench" save "$big" "$copy" | awk '{ printf "%.2f", $1 * 1000 }')")
done
cp_med=$(median "${cp_ms[@]}")
copy_med=$(median "${copy_ms[@]}")
save_med=$(median "${save_ms[@]}")
echo "cp 100 MB:                        ${cp_med} ms (runs: ${cp_ms[*]})"
echo "wave-copy 100 MB:                 ${copy_med} ms (runs: ${copy_ms[*]})"
echo "SaveWaveFile 100 MB (in process): ${save_med} ms (runs: ${save_ms[*]})"
echo "wave-copy / cp:    $(ratio "$copy_med" "$cp_med") (medians of $runs, target <= 1.3)"
echo "SaveWaveFile / cp: $(ratio "$save_med" "$cp_med")"

us_small=$("$bench" bind "$small" 200)
us_big=$("$bench" bind "$big" 200)
echo "bind 1 MB:        ${us_small} us"
echo "bind 100 MB:      ${us_big} us"
echo "bind 100 MB / 1 MB: $(ratio "$us_big" "$us_small") (header only: about 1)"
awk -v a="$copy_med" -v b="$cp_med" 'BEGIN { exit !(a / b <= 1.3) }' ||
  { echo "wave: wave-copy is slower than 1.3 x cp" >&2; exit 1; }
