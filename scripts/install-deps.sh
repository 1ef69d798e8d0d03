#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, only when something is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libcli11-dev libgtest-dev libgmock-dev
          libbenchmark-dev qt6-base-dev qt6-base-dev-tools libgl-dev clang
          desktop-file-utils appstream dpkg-dev file groff-base)
# scripts/screenshots.sh: a virtual screen, keys typed into it, and pictures of it.
packages+=(xvfb xdotool x11-utils imagemagick)
# The Windows build: the mingw-w64 cross compiler, Wine to run its tests, GoogleTest's sources,
# flock for the Wine prefix's one-time set-up.
packages+=(mingw-w64 g++-mingw-w64-x86-64-posix wine64 googletest util-linux)
# The JSON report, the manual pages and the check of the Debian packages.
packages+=(nlohmann-json3-dev help2man lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
