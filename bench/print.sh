#!/usr/bin/env bash
# Printing cards: a double set of 40 card pictures of 256 x 256 (24 bits,
# photo-like) read and written as a PDF of A4 pages with 60 mm cards, best of
# 5 runs, against the limits of 1 s and 3 MB; then a set of tiny files that
# claim huge pictures (below). Exits 1 when a limit is missed.
set -euo pipefail
bench="$BUILD/bench/print_bench"
set_dir="$WORK/print-set"
out="$WORK/print-cards.pdf"
QT_QPA_PLATFORM=offscreen "$bench" make "$set_dir"
read -r ms bytes < <(QT_QPA_PLATFORM=offscreen "$bench" pdf "$set_dir" "$out" 5)
mb=$(awk -v b="$bytes" 'BEGIN { printf "%.2f", b / 1048576 }')
echo "print 40 cards of 256x256 to PDF: ${ms} ms (limit 1000 ms), ${bytes} bytes = ${mb} MB (limit 3 MB)"
[ "$ms" -le 1000 ] || { echo "print: slower than 1 s" >&2; exit 1; }
[ "$bytes" -lt $((3 * 1048576)) ] || { echo "print: PDF of 3 MB or more" >&2; exit 1; }

# A tiny file that claims a huge picture: an RLE8 BMP of about 320 KB declaring
# 16384 x 16384 pixels, on all 41 cards of a double set. Printing decodes no
# picture larger than its card at 300 dpi, so it stays cheap: at most 5 s and
# 300 MB peak for print, 3 s for export-web, 0.5 s for deal (one run each,
# whole process, /usr/bin/time).
tool="$BUILD/tools/tessellor-tool"
huge_dir="$WORK/huge-set"
mkdir -p "$huge_dir"
python3 - "$huge_dir" <<'PY'
import struct, sys
rows = (b"\xff\x01" * 9 + b"\x00\x00") * 16384 + b"\x00\x01"
palette = bytes([40, 120, 200, 0, 200, 120, 40, 0])
offset = 14 + 40 + len(palette)
info = struct.pack("<IiiHHIIiiII", 40, 16384, 16384, 1, 8, 1, len(rows), 2835, 2835, 2, 0)
picture = b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + palette + rows
for n in range(41):
    open(f"{sys.argv[1]}/C{n:02d}.bmp", "wb").write(picture)
open(f"{sys.argv[1]}/Set.cfg", "wb").write(bytes(201) + b"\x01")
PY
measure() { # limit-seconds limit-MB name command...
  local seconds=$1 mb=$2 name=$3
  shift 3
  local log="$WORK/time-$name.txt"
  QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$@" >/dev/null 2>"$log"
  local wall peak
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$log")
  peak=$(awk -F': ' '/Maximum resident set size/ { printf "%.0f", $2 / 1024 }' "$log")
  echo "$name of 41 cards claiming 16384x16384 (RLE8, $(stat -c %s "$huge_dir/C00.bmp") bytes): ${wall} s (limit $seconds s), ${peak} MB peak (limit $mb MB)"
  awk -v w="$wall" -v l="$seconds" 'BEGIN { exit !(w <= l) }' || { echo "$name: slower than $seconds s" >&2; exit 1; }
  [ "$peak" -le "$mb" ] || { echo "$name: more than $mb MB" >&2; exit 1; }
}
measure 5 300 print "$tool" print "$huge_dir" "$WORK/huge.pdf" --backs
measure 3 300 export-web "$tool" export-web "$huge_dir" "$WORK/huge.html"
measure 0.5 300 deal "$tool" deal "$huge_dir" --seed 1
