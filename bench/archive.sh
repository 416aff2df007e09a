#!/usr/bin/env bash
# Sharing a set: tessellor-tool pack of a 41-card set of 256 x 256 pictures
# (24 bits, photo-like) with 20 sounds against `zip -r` of the same folder,
# and tessellor-tool unpack (checks included) of the archive against
# `unzip`, in turns, RUNS times (warm cache), so both see the same load on
# the machine. Prints the medians and their ratios; fails when pack takes
# more than 1.0 times zip or unpack more than 1.2 times unzip.
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

now_ms() { date +%s%N | awk '{ printf "%.1f", $1 / 1e6 }'; }
timed() { local s e; s=$(now_ms); "$@" >/dev/null; e=$(now_ms); awk -v s="$s" -v e="$e" 'BEGIN { print e - s }'; }

pack_ms=() zip_ms=() unpack_ms=() unzip_ms=()
for i in $(seq "$runs"); do
  rm -f "$WORK/archive/tool.zip" "$WORK/archive/zip.zip"
  pack_ms+=("$(timed "$tool" pack "$set_dir" "$WORK/archive/tool.zip")")
  zip_ms+=("$(cd "$WORK/archive" && timed zip -q -r zip.zip Animals)")
  rm -rf "$WORK/archive/ed" "$WORK/archive/unzipped"
  unpack_ms+=("$(timed "$tool" unpack "$WORK/archive/tool.zip" "$WORK/archive/ed")")
  unzip_ms+=("$(timed unzip -q "$WORK/archive/tool.zip" -d "$WORK/archive/unzipped")")
done
diff -r "$set_dir" "$WORK/archive/ed/Animals" >/dev/null || { echo "archive: the unpacked set differs" >&2; exit 1; }
pm=$(median "${pack_ms[@]}") zm=$(median "${zip_ms[@]}")
um=$(median "${unpack_ms[@]}") uzm=$(median "${unzip_ms[@]}")
echo "pack 41 cards + 20 sounds: ${pm} ms (runs: ${pack_ms[*]}); zip -r: ${zm} ms (runs: ${zip_ms[*]})"
echo "unpack: ${um} ms (runs: ${unpack_ms[*]}); unzip: ${uzm} ms (runs: ${unzip_ms[*]})"
pr=$(ratio "$pm" "$zm") ur=$(ratio "$um" "$uzm")
echo "pack / zip -r: ${pr} (target <= 1.0); unpack / unzip: ${ur} (target <= 1.2) (medians of $runs)"
check_target "archive pack" "$pr" 1.0
check_target "archive unpack" "$ur" 1.2
