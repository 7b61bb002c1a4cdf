#!/usr/bin/env bash
# Configures and builds both trees: build/host (native, sanitizers) and build/win32 (mingw).
# Usage: scripts/build.sh [host|win32|bench|all]   (default: host and win32)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
what="${1:-all}"
jobs="$(nproc)"
# GRV_BUILD_ROOT lets several working copies of the trees live side by side (default: build/).
build="${GRV_BUILD_ROOT:-$root/build}"

configure_and_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$jobs"
}

case "$what" in
  host|all) configure_and_build "$build/host" -DCMAKE_BUILD_TYPE=Debug ;;&
  win32|all) configure_and_build "$build/win32" -DCMAKE_BUILD_TYPE=Release \
               -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
               -DGRV_HOST_SKINPACK="$build/host/tools/skinpack/skinpack" ;;&
  bench) configure_and_build "$build/bench" -DCMAKE_BUILD_TYPE=Release -DGRV_SANITIZE=OFF ;;
  host|win32|all|bench) ;;
  *) echo "usage: $0 [host|win32|bench|all]" >&2; exit 2 ;;
esac
