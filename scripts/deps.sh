#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and any named on the
# command line, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev
          qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation xvfb xauth "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
