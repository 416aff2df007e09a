#!/usr/bin/env bash
# Printing cards: a double set of 40 card pictures of 256 x 256 (24 bits,
# photo-like) read and written as a PDF of A4 pages with 60 mm cards, best of
# 5 runs, against the limits of 1 s and 3 MB. Exits 1 when either is missed.
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
