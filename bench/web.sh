#!/usr/bin/env bash
# Exporting a set as a web page: tessellor-tool export-web of a double set of
# 41 card pictures of 256 x 256 (24 bits, photo-like: smooth colours with
# fine grain) with 20 sounds of 2 s, RUNS times (warm cache). Compares the
# median wall time with the limit of 1 s and the page's size with 3 MB, the
# most a page may weigh. Exits 1 when either is missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
tool="$BUILD/tools/tessellor-tool"
runs=${RUNS:-7}
set_dir="$WORK/web-set"
page="$WORK/web-set.html"
rm -rf "$set_dir"
mkdir -p "$set_dir"
"$tool" config "$set_dir" --double >/dev/null
for n in $(seq 0 40); do
  ffmpeg -loglevel error -y -f lavfi -i "gradients=s=256x256:seed=$n:n=4,format=rgb24,noise=alls=8:allf=u" \
    -frames:v 1 -pix_fmt bgr24 "$set_dir/$(printf 'C%02d.bmp' "$n")"
done
for n in $(seq 1 20); do
  ffmpeg -loglevel error -y -f lavfi -i "sine=f=$((300 + 25 * n)):d=2:r=22050" -ac 1 -c:a pcm_s16le \
    "$set_dir/$(printf 'S%02d.wav' "$n")"
done
cat "$set_dir"/* >/dev/null

times=()
for _ in $(seq "$runs"); do
  t0=$(date +%s%N)
  "$tool" export-web "$set_dir" "$page" >"$WORK/web-report"
  t1=$(date +%s%N)
  times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')")
done
grep -q '^sounds: 20 ' "$WORK/web-report" || { echo "export-web: the page lacks sounds" >&2; exit 1; }
grep -q '^pictures: 41$' "$WORK/web-report" || { echo "export-web: the page lacks pictures" >&2; exit 1; }
t=$(median "${times[@]}")
bytes=$(stat -c %s "$page")
echo "export-web 41 cards of 256x256, 20 sounds of 2 s: ${t} s (runs: ${times[*]}; limit 1 s)"
echo "page: ${bytes} bytes (limit 3000000)"
check_target web "$(ratio "$t" 1)" 1
[ "$bytes" -lt 3000000 ] || { echo "web: page of 3 MB or more" >&2; exit 1; }
