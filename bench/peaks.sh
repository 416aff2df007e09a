#!/usr/bin/env bash
# The wave open dialog's waveform: computing the peak table of a 100 MB 16-bit
# stereo wave against a plain read() of the same bytes, both inside one
# process, warm cache. The two take turns, 7 runs each; the medians are
# compared. Target: at most 1.5 times the read; exits 1 when missed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
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
t_read=$(median "${reads[@]}")
t_peaks=$(median "${peaks[@]}")
ratio=$(ratio "$t_peaks" "$t_read")
echo "read 100 MB:        ${t_read} s (runs: ${reads[*]})"
echo "peak table 100 MB:  ${t_peaks} s (runs: ${peaks[*]})"
echo "peak table / read:  ${ratio} (target <= 1.5)"
check_target peaks "$ratio" 1.5
