#!/usr/bin/env bash
# Installs what is missing, builds the release and the sanitizer configurations, runs every test.
# The release configuration is the one users build (the optimiser at its highest level, so its
# warnings too); the sanitizer build is the debug one with assertions. Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAT2KOR_WARNINGS_AS_ERRORS=ON
cmake --build build-release -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-release --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAT2KOR_SANITIZE=ON -DZAT2KOR_BUILD_BENCH=OFF \
  -DZAT2KOR_WARNINGS_AS_ERRORS=ON
cmake --build build-asan -j "$jobs"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The Windows build, cross-compiled with mingw-w64, its tests run under Wine; the end-to-end test
# compares zat2kor.exe's output with the release build's byte for byte.
bash scripts/build-windows.sh build-windows "$PWD/build-release/src/cli/zat2kor"
