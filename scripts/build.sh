#!/usr/bin/env bash
# Configures and builds both trees: build/host (native, sanitizers) and build/win32 (mingw).
# win64 builds the same Windows sources for x86_64 (the Windows tests where 32-bit programs cannot run).
# Usage: scripts/build.sh [host|win32|win64|bench|all]   (default: host and win32)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
what="${1:-all}"
jobs="$(nproc)"
# GRV_BUILD_ROOT lets several working copies of the trees live side by side (default: build/).
build="${GRV_BUILD_ROOT:-$root/build}"
# Paths below the working copy are hashed relative to it, so side-by-side copies share ccache entries.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1

configure() {
  local dir="$1"; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
}

host_options=(-DCMAKE_BUILD_TYPE=Debug)
win32_options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
               -DGRV_HOST_SKINPACK="$build/host/tools/skinpack/skinpack")
win64_options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
               -DGRV_HOST_SKINPACK="$build/host/tools/skinpack/skinpack")

case "$what" in
  host|all)
    configure "$build/host" "${host_options[@]}"
    cmake --build "$build/host" -j "$jobs" ;;&
  win32|win64|all)
    # The Windows trees pack the stored skin with the host build of skinpack.
    if [ "$what" != all ]; then
      configure "$build/host" "${host_options[@]}"
      cmake --build "$build/host" -j "$jobs" --target skinpack
    fi ;;&
  win32|all)
    configure "$build/win32" "${win32_options[@]}"
    cmake --build "$build/win32" -j "$jobs" ;;&
  win64)
    configure "$build/win64" "${win64_options[@]}"
    cmake --build "$build/win64" -j "$jobs" ;;
  bench)
    configure "$build/bench" -DCMAKE_BUILD_TYPE=Release -DGRV_SANITIZE=OFF
    cmake --build "$build/bench" -j "$jobs" ;;
  host|win32|all|bench) ;;
  *) echo "usage: $0 [host|win32|win64|bench|all]" >&2; exit 2 ;;
esac
