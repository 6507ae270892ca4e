#!/usr/bin/env bash
# Builds everything and runs all tests: the plain build, then (with
# --sanitize, as CI does) the same tests under ASan and UBSan and a short
# fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHARVEL_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure --no-tests=error

if [ "${1:-}" = "--sanitize" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTHARVEL_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1 >/dev/null
  cmake --build build-asan -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan -j"$jobs" --output-on-failure --no-tests=error

  # Concurrent decoding under ThreadSanitizer.
  cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHARVEL_TSAN=ON >/dev/null
  cmake --build build-tsan -j"$jobs" --target tharvel_tests tharvel
  TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/tharvel_tests --gtest_filter='Threads.*'

  CXX=clang++-14 CC=clang-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHARVEL_FUZZ=ON \
    -DTHARVEL_TESTS=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs"
  fuzz/run.sh build-fuzz smoke
fi
