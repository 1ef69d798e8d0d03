#!/usr/bin/env bash
# Installs what is missing, builds the converter and converts a copy of the bundled Quarix
# example. The copy lives in a scratch folder under the build folder, never in the source tree,
# because KOR files record the paths of the project they were made from. The scratch folder is
# mapped as drive D:, so the files written read the same wherever the repository lies.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target zat2kor

zat2kor=./build/src/cli/zat2kor
scratch=build/example-run
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r examples/quarix "$scratch/"

echo
"$zat2kor" --version
echo
echo "\$ zat2kor single --drive D=$scratch --code-page single 'D:\\quarix\\motor.zat' motor"
"$zat2kor" single --drive "D=$scratch" --code-page single 'D:\quarix\motor.zat' motor
echo
echo "Files in $scratch/quarix:"
ls -1 "$scratch/quarix"
echo
echo "The start of the project $scratch/quarix/motor.krp:"
tr -d '\r' < "$scratch/quarix/motor.krp" | head -n 8
echo
echo "The workspace $scratch/quarix/motor.krs:"
tr -d '\r' < "$scratch/quarix/motor.krs"
