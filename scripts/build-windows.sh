#!/usr/bin/env bash
# Builds zat2kor.exe for 64-bit Windows, runs its tests under Wine and makes the ZIP package:
#   scripts/build-windows.sh [BUILD_FOLDER [LINUX_ZAT2KOR]]
# BUILD_FOLDER defaults to build-windows; with LINUX_ZAT2KOR (a Linux build's program) the
# end-to-end test also compares every output with that program's. The package is
# BUILD_FOLDER/zat2kor-VERSION-windows-x86_64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
linux=${2:-}
bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DZAT2KOR_WARNINGS_AS_ERRORS=ON -DZAT2KOR_LINUX_PROGRAM="$linux"
cmake --build "$build" -j "$(nproc)"
# Only system DLLs: the program needs nothing beside it.
if x86_64-w64-mingw32-objdump -p "$build/src/cli/zat2kor.exe" | grep 'DLL Name' |
   grep -v -i -E 'DLL Name: (KERNEL32|msvcrt|SHELL32|ADVAPI32|USER32|api-ms-win-crt-[a-z0-9-]+|ucrtbase)\.dll'; then
  echo "zat2kor.exe needs a DLL that Windows does not bring" >&2
  exit 1
fi
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
(cd "$build" && cpack -G ZIP)
