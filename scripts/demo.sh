#!/usr/bin/env bash
# The main job, end to end: builds everything, makes a folder of sample pictures, starts Grivelle under
# Wine, types the folder into its window and presses "导入" through a driver program (no screen
# coordinates), waits until the workbook is shown, and leaves in out/demo/:
#   window.png           the window after the import      window-busy.png  the window during it
#   browser.png          the folder browser opened by "打开"
#   error-dialog.png     the error dialog of an import with 0 pictures per row
#   workbook.xlsx        the stand-in's workbook           workbook.png     a picture of that workbook
#   skin-contact-sheet.png   every element of the stored skin, built from the packed skin
#   skin-dark-contact-sheet.png   the same for the second skin, Grivelle Ember (resources/skin-dark)
#   window-hot-close.png  the mouse over the close button   system-menu.png  the system menu opened from the icon
#   window-second.png, browser-second.png, error-dialog-second.png   the same windows in the second skin
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${GRV_BUILD_ROOT:-$root/build}"
out="$root/out/demo"
py=/usr/bin/python3

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" all
# The program runs from its 32-bit build, or from the 64-bit build of the same sources where this kernel
# cannot execute 32-bit programs natively (scripts/windows-tree.sh).
tree="$(bash "$root/scripts/windows-tree.sh")"
[ "$tree" = win32 ] || bash "$root/scripts/build.sh" "$tree"
echo "== Windows programs from the $tree tree"
windows="$build/$tree"
grivelle="$windows/app/Grivelle.exe"
driver="$windows/app/GrivelleDriver.exe"
standin="$windows/tools/excel-standin/ExcelStandin.exe"
for f in "$grivelle" "$driver" "$standin"; do
  [ -f "$f" ] || { echo "demo: missing $f" >&2; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
echo "== sample pictures"
$py "$root/app/driver/make_sample_pictures.py" "$out/pictures"

GRV_WINEPREFIX="$windows/wineprefix"
GRV_WINEARCH="$tree"
source "$root/scripts/wine-env.sh"
grivelle_pid=""
finish() {
  [ -n "$grivelle_pid" ] && kill "$grivelle_pid" 2>/dev/null || true
  grv_wine_down
}
trap finish EXIT
grv_wine_up || { echo "demo: could not start Wine" >&2; exit 1; }
export GRV_WINE_SESSION=1
bash "$root/tools/excel-standin/register.sh" "$windows/wine-run" "$standin"

# The stand-in inherits Grivelle's environment: it logs every call, writes the workbook snapshot when
# the workbook is made visible, and answers a little slowly so that the progress bar can be seen.
export GRV_STANDIN_LOG="$out/calls.jsonl"
export GRV_STANDIN_SNAPSHOT="$out/snapshot.json"
export GRV_STANDIN_DELAY_MS="${GRV_STANDIN_DELAY_MS:-25}"

echo "== Grivelle"
wine "$grivelle" </dev/null >"$out/grivelle.log" 2>&1 &
grivelle_pid=$!
winpath() { winepath -w "$1" 2>/dev/null; }
wine "$driver" --folder "$(winpath "$out/pictures")" --done "$(winpath "$out/snapshot.json")" \
     --shot-busy "$(winpath "$out/window-busy.bmp")" --shot "$(winpath "$out/window.bmp")" \
     --shot-browser "$(winpath "$out/browser.bmp")" --shot-error "$(winpath "$out/error-dialog.bmp")" \
     --shot-hot "$(winpath "$out/window-hot-close.bmp")" --shot-sysmenu "$(winpath "$out/system-menu.bmp")" </dev/null

echo "== Grivelle in the second skin"
# `wine` may be a shell function: the job is then a subshell with Grivelle as its child.
pkill -P "$grivelle_pid" 2>/dev/null || true
kill "$grivelle_pid" 2>/dev/null || true
wait "$grivelle_pid" 2>/dev/null || true
sleep 1
second_skin="$windows/resources/skins/GrivelleEmber.skn"
export GRV_STANDIN_LOG="$out/calls-second.jsonl" GRV_STANDIN_SNAPSHOT="$out/snapshot-second.json"
wine "$grivelle" "$(winpath "$second_skin")" </dev/null >>"$out/grivelle.log" 2>&1 &
grivelle_pid=$!
wine "$driver" --folder "$(winpath "$out/pictures")" --done "$(winpath "$out/snapshot-second.json")" \
     --shot "$(winpath "$out/window-second.bmp")" --shot-browser "$(winpath "$out/browser-second.bmp")" \
     --shot-error "$(winpath "$out/error-dialog-second.bmp")" </dev/null
rm -f "$out/calls-second.jsonl" "$out/snapshot-second.json"

echo "== skin contact sheet"
cmake --build "$windows" --target contact_sheet_built_png >/dev/null
cp "$windows/tests/win32/render/contact-sheet-built.png" "$out/skin-contact-sheet.png"
cmake --build "$windows" --target contact_sheet_second_png >/dev/null
cp "$windows/tests/win32/render/contact-sheet-second.png" "$out/skin-dark-contact-sheet.png"

echo "== outputs"
$py - "$out" <<'PY'
import sys, os
from PIL import Image
out = sys.argv[1]
for name in ("window", "window-busy", "browser", "error-dialog", "window-hot-close", "system-menu",
             "window-second", "browser-second", "error-dialog-second"):
    bmp = os.path.join(out, name + ".bmp")
    if os.path.exists(bmp):
        Image.open(bmp).save(os.path.join(out, name + ".png"))
        os.remove(bmp)
PY
$py "$root/tools/excel-standin/snapshot_to_xlsx.py" "$out/snapshot.json" "$out/workbook.xlsx"
$py "$root/app/driver/render_workbook.py" "$out/snapshot.json" "$out/workbook.png"

echo
echo "Screenshot of the window: $out/window.png"
[ -f "$out/window-busy.png" ] && echo "The window during the import: $out/window-busy.png"
echo "The folder browser: $out/browser.png"
echo "The error dialog: $out/error-dialog.png"
echo "Workbook: $out/workbook.xlsx"
echo "Picture of the workbook: $out/workbook.png"
echo "Contact sheet of the stored skin: $out/skin-contact-sheet.png"
echo "Contact sheet of the second skin: $out/skin-dark-contact-sheet.png"
echo "The close button under the mouse: $out/window-hot-close.png"
echo "The system menu opened from the icon: $out/system-menu.png"
echo "The window, folder browser and error dialog in the second skin: $out/window-second.png," \
     "$out/browser-second.png, $out/error-dialog-second.png"
