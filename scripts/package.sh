#!/usr/bin/env bash
# Builds the Debian package tessellor_<version>_amd64.deb from a Release build
# of its own (build-package; the test build is not touched), checks it with
# lintian, and leaves it in the repository's top folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh

build="$root/build-package"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DTESSELLOR_BENCH=OFF -DTESSELLOR_WERROR=OFF -DTESSELLOR_FLAT_INSTALL=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)

deb=$(ls -t "$build"/tessellor_*_amd64.deb | head -n 1)
cp "$deb" "$root/"
deb="$root/$(basename "$deb")"
echo "package.sh: built $deb"
# Errors fail the script; warnings are listed.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "package.sh: lintian found no error in $deb"
