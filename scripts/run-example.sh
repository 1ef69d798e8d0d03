#!/usr/bin/env bash
# Installs what is missing, builds the converter and runs it on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target zat2kor
./build/src/cli/zat2kor --version
./build/src/cli/zat2kor --help
