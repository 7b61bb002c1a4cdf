#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both trees, runs the host tests, then the
# Windows tests under Wine with one display and one warm wineserver for the whole run.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${GRV_BUILD_ROOT:-$root/build}"
bash "$root/scripts/setup.sh" || exit 1
bash "$root/scripts/build.sh" all || exit 1

status=0
echo "== host tests"
ctest --test-dir "$build/host" --output-on-failure -j "$(nproc)" || status=1

echo "== fuzz smoke run"
bash "$root/scripts/fuzz.sh" smoke || status=1

# The Windows tests run from the 32-bit tree (the product's own build), or from the 64-bit build of the
# same sources where this kernel cannot execute 32-bit programs natively (scripts/windows-tree.sh).
tree="$(bash "$root/scripts/windows-tree.sh")"
echo "== windows tests under Wine ($tree tree)"
[ "$tree" = win32 ] || bash "$root/scripts/build.sh" "$tree" || exit 1
GRV_WINEPREFIX="$build/$tree/wineprefix"
GRV_WINEARCH="$tree"
source "$root/scripts/wine-env.sh"
trap grv_wine_down EXIT
grv_wine_up || exit 1
export GRV_WINE_SESSION=1
ctest --test-dir "$build/$tree" --output-on-failure || status=1
exit $status
