#!/usr/bin/env bash
# Installs what building, running and testing Zorvik need on Debian 12, and only what is missing.
# Safe to run again: with everything present it touches no network.
set -euo pipefail

packages=(
  g++ cmake ninja-build
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth xdotool imagemagick
  fp-utils libchm-bin python3
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  needArch=1
else
  needArch=0
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "$needArch" = 0 ] && [ "${#missing[@]}" = 0 ]; then
  exit 0
fi

commands="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" = 0 ]; then
  runAs=()
elif command -v sudo >/dev/null 2>&1; then
  runAs=(sudo)
else
  echo "Zorvik needs packages that are not installed. As root, run:" >&2
  echo "  $commands" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}" >&2
"${runAs[@]}" dpkg --add-architecture i386
"${runAs[@]}" apt-get update -q
"${runAs[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
