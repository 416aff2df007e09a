#!/usr/bin/env bash
# Sharing a set: tessellor-tool pack of a 41-card set of 256 x 256 pictures
# (24 bits, photo-like) with 20 sounds against `zip -r` of the same folder,
# and tessellor-tool unpack (checks included) of the archive against
# `unzip`, in turns, RUNS times (warm cache), so both see the same load on
# the machine. Prints the medians of wall and CPU (user + system) times and
# their ratios; fails when pack takes more wall time than 1.0 times zip or
# unpack more than 1.2 times unzip.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${BUILD:?BUILD must name the release build folder}" "${WORK:?WORK must name a scratch folder}"
tool="$BUILD/tools/tessellor-tool"
runs=${RUNS:-7}
set_dir="$WORK/archive/Animals"
rm -rf "$WORK/archive"
mkdir -p "$set_dir"

# Pictures of smooth shapes with grain, as photographs are; sounds of a tone
# with noise, 2 s of 16-bit mono at 22050 Hz.
python3 - "$set_dir" <<'PY'
import math, random, struct, sys, wave
folder = sys.argv[1]
random.seed(7)
def bmp(path, seed):
    w = h = 256
    row = bytearray()
    rows = []
    for y in range(h):
        row = bytearray()
        for x in range(w):
            v = (x * seed + y * 3) & 255
            n = random.randrange(24)
            row += bytes(((v + n) & 255, (y + seed * 5 + n) & 255, (x + y + n) & 255))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    head = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    open(path, "wb").write(head + info + pixels)
for slot in range(41):
    bmp("%s/C%02d.bmp" % (folder, slot), slot + 1)
for slot in range(1, 21):
    with wave.open("%s/S%02d.wav" % (folder, slot), "wb") as out:
        out.setnchannels(1); out.setsampwidth(2); out.setframerate(22050)
        out.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(i * slot / 20.0)) + random.randrange(-800, 800))
                                 for i in range(44100)))
open(folder + "/Set.cfg", "wb").write(bytes(202))
PY
cat "$set_dir"/* >/dev/null

# Wall and CPU (user + system) milliseconds of "$@", as "WALL CPU".
timed() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f "%U %S" -o "$WORK/archive/time" "$@" >/dev/null
  end=$(date +%s%N)
  awk -v s="$start" -v e="$end" '{ printf "%.1f %.1f", (e - s) / 1e6, ($1 + $2) * 1000 }' "$WORK/archive/time"
}

pack=() zip=() unpack=() unzip=()
for _ in $(seq "$runs"); do
  rm -f "$WORK/archive/tool.zip" "$WORK/archive/zip.zip"
  pack+=("$(timed "$tool" pack "$set_dir" "$WORK/archive/tool.zip")")
  zip+=("$(cd "$WORK/archive" && timed zip -q -r zip.zip Animals)")
  rm -rf "$WORK/archive/ed" "$WORK/archive/unzipped"
  unpack+=("$(timed "$tool" unpack "$WORK/archive/tool.zip" "$WORK/archive/ed")")
  unzip+=("$(timed unzip -q "$WORK/archive/tool.zip" -d "$WORK/archive/unzipped")")
done
diff -r "$set_dir" "$WORK/archive/ed/Animals" >/dev/null || { echo "archive: the unpacked set differs" >&2; exit 1; }
# column 1: wall, 2: CPU
med() { local col=$1; shift; median $(printf '%s\n' "$@" | awk -v c="$col" '{ print $c }'); }
pm=$(med 1 "${pack[@]}") zm=$(med 1 "${zip[@]}") um=$(med 1 "${unpack[@]}") uzm=$(med 1 "${unzip[@]}")
pc=$(med 2 "${pack[@]}") zc=$(med 2 "${zip[@]}") uc=$(med 2 "${unpack[@]}") uzc=$(med 2 "${unzip[@]}")
echo "pack 41 cards + 20 sounds: ${pm} ms wall, ${pc} ms CPU; zip -r: ${zm} ms wall, ${zc} ms CPU"
echo "unpack: ${um} ms wall, ${uc} ms CPU; unzip: ${uzm} ms wall, ${uzc} ms CPU"
pr=$(ratio "$pm" "$zm") ur=$(ratio "$um" "$uzm")
echo "pack / zip -r: ${pr} (CPU $(ratio "$pc" "$zc")), target <= 1.0; unpack / unzip: ${ur} (CPU $(ratio "$uc" "$uzc")), target <= 1.2 (medians of $runs)"
check_target "archive pack" "$pr" 1.0
check_target "archive unpack" "$ur" 1.2
