#!/usr/bin/env bash
# Builds the three configurations into out/: native (tests), i686 (the release
# Kelvane.exe and the Wine test programs) and x86_64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${KELVANE_OUT:-$root/out}
jobs=${KELVANE_JOBS:-$(nproc)}

configure() {  # dir, extra args...
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure "$out/native"
configure "$out/i686" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
configure "$out/x86_64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"

for dir in native i686 x86_64; do
  echo "build: $dir"
  ninja -C "$out/$dir" -j "$jobs" >/dev/null || ninja -C "$out/$dir" -j1
done
