#!/usr/bin/env bash
# Installs what is missing, builds an optimised build and runs every benchmark
# (bench/*.sh). Each prints its own time against a plain copy or read of the
# same bytes, measured in the same run, and the ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
build="$root/build-bench"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" -j "$(nproc)"
work=$(mktemp -d "${TMPDIR:-/tmp}/tessellor-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for b in bench/*.sh; do
  [ -e "$b" ] || continue
  echo "== $(basename "$b" .sh)"
  BUILD="$build" WORK="$work" bash "$b" || status=1
done
exit $status
