#!/usr/bin/env bash
# Installs what is missing, builds the test build (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer, libFuzzer targets) and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
# Each phase's wall time is printed when the next begins, and at the end.
phase_name="" phase_start=$SECONDS
phase() {
  if [ -n "$phase_name" ]; then echo "test.sh: $phase_name took $((SECONDS - phase_start)) s"; fi
  phase_name=$1 phase_start=$SECONDS
}

phase "install"

scripts/install-deps.sh
# The web page's linter and browser driver, exactly as the lock file names them.
(cd tests/web && npm ci --no-audit --no-fund)
phase "format check"

# The committed .clang-format holds for the whole tree.
git ls-files -- src tools tests bench fuzz | grep -E '\.(cpp|h)$' | xargs clang-format --dry-run -Werror

# One build: clang with AddressSanitizer, UndefinedBehaviorSanitizer and
# warnings as errors; the readers the fuzzers run carry coverage for them.
# No benchmark is built here (scripts/bench.sh builds its own). Each fuzzer
# runs TESSELLOR_FUZZ_SECONDS (10 s here); scripts/fuzz.sh runs them longer.
build="$root/build-test"
launcher=()
# A compiler cache keyed by paths inside the checkout, so that another clone of
# the same sources (a CI run, say) reuses what this one compiled.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
phase "configure"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Debug -DTESSELLOR_SANITIZE=ON -DTESSELLOR_FUZZ=ON -DBUILD_TESTING=ON -DTESSELLOR_WERROR=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DCMAKE_C_FLAGS_DEBUG=-gline-tables-only \
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld \
  -DTESSELLOR_BENCH=OFF -DTESSELLOR_FUZZ_SECONDS="${TESSELLOR_FUZZ_SECONDS:-10}"
phase "build"
cmake --build "$build" -j "$(nproc)"
phase "sound server"

# A private sound server for the audio tests: a null sink whose monitor
# records what was played, and a sine source that recordings hear. One that
# this run starts is stopped when the run ends, however it ends; the run
# stops at once when the server does not come up.
export XDG_RUNTIME_DIR="$build/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if ! pactl info >/dev/null 2>&1; then
  trap 'pulseaudio --kill 2>/dev/null || true' EXIT
  pulseaudio --daemonize=yes -n --exit-idle-time=-1 \
    --load=module-null-sink --load=module-native-protocol-unix \
    --load="module-sine-source source_name=sine_input frequency=440"
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
if ! pactl list short sinks 2>/dev/null | grep -q null ||
   ! pactl list short sources 2>/dev/null | grep -q sine_input; then
  echo "test.sh: the private sound server (pulseaudio in $XDG_RUNTIME_DIR) did not start" \
       "with its null output and sine_input source" >&2
  exit 1
fi
# Under this command a test that lacks a program or the sound server fails
# instead of skipping (tests/Requirements.h): ctest counts a skip as a pass.
export TESSELLOR_REQUIRE_ALL=1

export QT_QPA_PLATFORM=offscreen
cd "$build"
phase "tests"
# Twice as many tests as cores: many wait on timers, sound or a browser, and
# each fuzzer runs for a fixed time whatever its share of the cores.
ctest --output-on-failure -j "$(( $(nproc) * 2 ))"
phase ""
