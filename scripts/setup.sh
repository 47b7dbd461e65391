#!/usr/bin/env bash
# Installs what building and testing Kelvane needs on a Debian machine (as root).
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev googletest libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64
  wine wine32 wine64 fonts-wine xvfb xauth x11-apps x11-utils imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p:i386" 2>/dev/null | grep -q 'install ok installed' && continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' && continue
  missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: everything is installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
