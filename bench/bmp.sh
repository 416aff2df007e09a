#!/usr/bin/env bash
# Card pictures: LoadBitmapFile + SaveBitmapFile of a 6000 x 4000 24-bit BMP
# against `cp` of the same file, and decoding a 6000 x 4000 RLE8 picture
# against reading its bytes. Best of RUNS for each, all in this run.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
bench="$BUILD/bench/bench_bmp"
runs=${RUNS:-9}
big="$WORK/bmp-24.bmp"
rle="$WORK/bmp-rle8.bmp"
"$bench" make24 "$big"
"$bench" makerle8 "$rle"

now_ms() { date +%s%N | awk '{printf "%.2f", $1 / 1e6}'; }
min_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# cp and our load+save take turns, so both see the same load on the machine.
cp_ms=""
ours_ms=""
for _ in $(seq "$runs"); do
  rm -f "$WORK/cp-copy.bmp"
  start=$(now_ms); cp "$big" "$WORK/cp-copy.bmp"; end=$(now_ms)
  cp_ms=$(min_of "$cp_ms" "$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')")
  ours_ms=$(min_of "$ours_ms" "$("$bench" loadsave "$big" "$WORK/bmp-copy.bmp" 2)")
done
cmp -s "$big" "$WORK/bmp-copy.bmp" || { echo "bmp: the written file differs from the one read" >&2; exit 1; }
echo "24-bit 6000x4000 ($(stat -c %s "$big") bytes): LoadBitmapFile+SaveBitmapFile ${ours_ms} ms, cp ${cp_ms} ms, ratio $(ratio "$ours_ms" "$cp_ms") (target <= 1.5)"

read_ms=$("$bench" read "$rle" "$runs")
decode_ms=$("$bench" load "$rle" "$runs")
echo "RLE8 6000x4000 ($(stat -c %s "$rle") bytes): LoadBitmapFile (decode) ${decode_ms} ms, read bytes ${read_ms} ms, ratio $(ratio "$decode_ms" "$read_ms")"
awk -v a="$ours_ms" -v b="$cp_ms" 'BEGIN { exit !(a / b <= 1.5) }' || { echo "bmp: load+save is slower than 1.5 x cp" >&2; exit 1; }
