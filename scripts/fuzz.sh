#!/usr/bin/env bash
# Runs every fuzzer longer than the test command does: FUZZ_SECONDS each
# (default 300), in the test command's build (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer). A crash or a sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
build="$root/build-test"
launcher=()
# A compiler cache keyed by paths inside the checkout, so that another clone of
# the same sources (a CI run, say) reuses what this one compiled.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Debug -DTESSELLOR_SANITIZE=ON -DTESSELLOR_FUZZ=ON -DBUILD_TESTING=ON -DTESSELLOR_WERROR=ON \
  -DTESSELLOR_BENCH=OFF -DTESSELLOR_FUZZ_SECONDS="${FUZZ_SECONDS:-300}"
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -L fuzz -j "$(nproc)"
