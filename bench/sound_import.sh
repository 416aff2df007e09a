#!/usr/bin/env bash
# tessellor-tool import-sound of a 3-minute stereo MP3 against ffmpeg decoding
# the same file to a 16-bit wave, in turns, RUNS times (warm cache), so both
# see the same load on the machine. Compares the medians of the wall times and
# of the peak memory (resident set). Fails when import-sound takes longer than
# ffmpeg or needs more memory.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
tool="$BUILD/tools/tessellor-tool"
runs=${RUNS:-7}
song="$WORK/song.mp3"
ffmpeg -loglevel error -y -f lavfi -i "sine=f=440:d=180:r=44100" -f lavfi -i "anoisesrc=d=180:r=44100:a=0.1" \
  -filter_complex "[0][1]amerge=inputs=2" -ac 2 -b:a 192k "$song"
cat "$song" >/dev/null

# Where farm-bench is installed it runs the pairs: whole-process times and
# peaks from the system's own accounting, the ratio taken pair by pair.
if command -v farm-bench >/dev/null; then
  report=$(farm-bench -n "$runs" --timeout 600 --vs "ffmpeg -loglevel error -y -i $song -c:a pcm_s16le $WORK/ffmpeg.wav" \
    -- "$tool" import-sound "$song" "$WORK/tool.wav")
  echo "$report" | grep -E '^(A|B|A/B) (wall|cpu|peak)'
  [ "$(stat -c %s "$WORK/tool.wav")" -gt 31000000 ] || { echo "import-sound: the card sound is too short" >&2; exit 1; }
  wall=$(echo "$report" | awk '$1 == "A/B" && $2 == "wall" { print $4 }')
  peakA=$(echo "$report" | awk '$1 == "A" && $2 == "peak" { print $5 }')
  peakB=$(echo "$report" | awk '$1 == "B" && $2 == "peak" { print $5 }')
  echo "import-sound / ffmpeg: wall ${wall} (median of pairs), peak ${peakA} MiB / ${peakB} MiB (targets <= 1.0)"
  awk -v w="$wall" -v a="$peakA" -v b="$peakB" 'BEGIN { exit !(w <= 1.0 && a <= b) }' ||
    { echo "sound_import: import-sound is slower than ffmpeg or needs more memory" >&2; exit 1; }
  exit 0
fi

# Wall milliseconds and peak KB of "$@", as "MS KB".
measure() {
  local t0 t1 kb
  t0=$(date +%s%N)
  /usr/bin/time -f %M -o "$WORK/peak" "$@" >/dev/null
  t1=$(date +%s%N)
  kb=$(cat "$WORK/peak")
  awk -v a="$t0" -v b="$t1" -v k="$kb" 'BEGIN { printf "%.1f %d", (b - a) / 1e6, k }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

tool_ms=() tool_kb=() ff_ms=() ff_kb=()
for _ in $(seq "$runs"); do
  read -r ms kb <<<"$(measure "$tool" import-sound "$song" "$WORK/tool.wav")"
  tool_ms+=("$ms") tool_kb+=("$kb")
  read -r ms kb <<<"$(measure ffmpeg -loglevel error -y -i "$song" -c:a pcm_s16le "$WORK/ffmpeg.wav")"
  ff_ms+=("$ms") ff_kb+=("$kb")
done
# Both hold the same sound: 16-bit stereo at 44100 Hz, 3 minutes.
[ "$(stat -c %s "$WORK/tool.wav")" -gt 31000000 ] || { echo "import-sound: the card sound is too short" >&2; exit 1; }
tm=$(median "${tool_ms[@]}") fm=$(median "${ff_ms[@]}")
tk=$(median "${tool_kb[@]}") fk=$(median "${ff_kb[@]}")
echo "import-sound 3-min MP3: ${tm} ms, peak ${tk} KB (runs: ${tool_ms[*]})"
echo "ffmpeg same MP3:        ${fm} ms, peak ${fk} KB (runs: ${ff_ms[*]})"
echo "import-sound / ffmpeg: time $(ratio "$tm" "$fm"), peak memory $(ratio "$tk" "$fk") (medians of $runs, targets <= 1.0)"
awk -v a="$tm" -v b="$fm" -v c="$tk" -v d="$fk" 'BEGIN { exit !(a <= b && c <= d) }' ||
  { echo "sound_import: import-sound is slower than ffmpeg or needs more memory" >&2; exit 1; }
