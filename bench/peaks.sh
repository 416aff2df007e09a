#!/usr/bin/env bash
# The wave open dialog's waveform: computing the peak table of a 100 MB 16-bit
# stereo wave against a plain read() of the same bytes, both inside one
# process, warm cache. The two take turns, 7 runs each; the medians are
# compared. Target: at most 1.5 times the read; exits 1 when missed.
set -euo pipefail
bench="$BUILD/bench/peaks_bench"
big="$WORK/peaks100.wav"
width=229 # the waveform area at the usual dialog font
runs=7
"$bench" make "$big" 104857600
cat "$big" > /dev/null

reads=()
peaks=()
for _ in $(seq "$runs"); do
  reads+=("$("$bench" read "$big")")
  peaks+=("$("$bench" peaks "$big" "$width")")
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
t_read=$(median "${reads[@]}")
t_peaks=$(median "${peaks[@]}")
ratio=$(awk -v a="$t_peaks" -v b="$t_read" 'BEGIN{printf "%.2f", a/b}')
echo "read 100 MB:        ${t_read} s (runs: ${reads[*]})"
echo "peak table 100 MB:  ${t_peaks} s (runs: ${peaks[*]})"
echo "peak table / read:  ${ratio} (target <= 1.5)"
awk -v r="$ratio" 'BEGIN{exit !(r <= 1.5)}' || { echo "peaks: target missed" >&2; exit 1; }
