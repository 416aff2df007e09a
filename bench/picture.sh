#!/usr/bin/env bash
# Picture import: a 200-megapixel photo (16320 x 12240 JPEG) imported as a
# card picture (fitted into 256 x 256 and written as a BMP) against ffmpeg
# scaling the same photo to fit 256 x 256 and writing a BMP. The two take
# turns, RUNS runs each; medians of wall time and of peak memory (both from
# /usr/bin/time -v) are compared. Targets: at most 2 times ffmpeg's time and
# at most 400 MB peak; exits 1 when missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
bench="$BUILD/bench/picture_bench"
runs=${RUNS:-7}
photo="$WORK/photo-200mp.jpg"
"$bench" make "$photo"
cat "$photo" > /dev/null

# Prints "seconds peak_kB" of one run of the command.
measure() {
  local log="$WORK/time.log"
  /usr/bin/time -v -o "$log" "$@" > /dev/null
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i] }
              /Maximum resident set size/ { kb = $2 }
              END { printf "%.3f %d\n", s, kb }' "$log"
}

ours_s=(); ours_kb=(); ff_s=(); ff_kb=()
for _ in $(seq "$runs"); do
  read -r s kb < <(measure ffmpeg -v error -y -i "$photo" \
    -vf "scale=256:256:force_original_aspect_ratio=decrease" "$WORK/ffmpeg.bmp")
  ff_s+=("$s"); ff_kb+=("$kb")
  read -r s kb < <(measure "$bench" import "$photo" "$WORK/card.bmp")
  ours_s+=("$s"); ours_kb+=("$kb")
done
t_ours=$(median "${ours_s[@]}"); t_ff=$(median "${ff_s[@]}")
m_ours=$(median "${ours_kb[@]}" | awk '{ printf "%d", $1 / 1024 }'); m_ff=$(median "${ff_kb[@]}" | awk '{ printf "%d", $1 / 1024 }')
ratio=$(ratio "$t_ours" "$t_ff")
echo "photo 16320x12240 ($(stat -c %s "$photo") bytes), medians of $runs runs"
echo "import as card: ${t_ours} s, ${m_ours} MB peak (runs: ${ours_s[*]})"
echo "ffmpeg fit:     ${t_ff} s, ${m_ff} MB peak (runs: ${ff_s[*]})"
echo "import / ffmpeg: ${ratio} (target <= 2), peak ${m_ours} MB (target <= 400)"
awk -v r="$ratio" -v m="$m_ours" 'BEGIN { exit !(r <= 2 && m <= 400) }' || { echo "picture: target missed" >&2; exit 1; }
