#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and any named on the
# command line, when any is missing. Installing needs root: as another user it goes through sudo.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev
          qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
          appstream imagemagick librsvg2-bin xdotool
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation xvfb xauth locales "$@")
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    [ ${#as_root[@]} -eq 0 ] || echo "(through sudo: installing packages needs root)"
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
# The tests check that numbers keep their decimal point under a Russian desktop.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    "${as_root[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
