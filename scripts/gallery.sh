#!/usr/bin/env bash
# Screenshots of the skin gallery in out/gallery/: every page at rest, then each button of the buttons page
# hot (mouse over it) and pressed (left button held), the menus in use, the MDI window with a maximized
# child, the raw dialog, the whole unskinned, and everything
# again in the second skin (second-*.png) with both skins side by side (gallery-both-skins.png, both-*.png).
# Usage: scripts/gallery.sh [skin file]   (builds the Windows tree first when the gallery is missing)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${GRV_BUILD_ROOT:-$root/build}"
out="$root/out/gallery"
# The 32-bit build, or the 64-bit one where this kernel cannot execute 32-bit programs (windows-tree.sh).
tree="$(bash "$root/scripts/windows-tree.sh")"
exe="$build/$tree/tools/skin-gallery/SkinGallery.exe"
[ -f "$exe" ] || bash "$root/scripts/build.sh" "$tree"
mkdir -p "$out"
GRV_WINEPREFIX="$build/$tree/wineprefix"
GRV_WINEARCH="$tree"
source "$root/scripts/wine-env.sh"
trap grv_wine_down EXIT
grv_wine_up

layout="$out/layout.txt"
shot() { sleep 1.5; import -window root -display "$DISPLAY" "$out/$1.png"; }
run_gallery() { # args: extra gallery arguments
  rm -f "$layout"
  wine "$exe" --raw --layout "Z:${layout}" "$@" </dev/null >/dev/null 2>&1 &
  gallery=$!
  for _ in $(seq 1 120); do [ -s "$layout" ] && break; sleep 0.5; done
  [ -s "$layout" ] || { echo "gallery.sh: the gallery did not start" >&2; kill "$gallery"; exit 1; }
}
# `wine` may be a shell function: the job is then a subshell with the program as its child.
stop_gallery() {
  pkill -P "$gallery" 2>/dev/null || true
  kill "$gallery" 2>/dev/null || true
  wait "$gallery" 2>/dev/null || true
  for _ in $(seq 1 20); do xdotool search --class 'skingallery' >/dev/null 2>&1 || break; sleep 0.5; done
}

skin=()
[ $# -gt 0 ] && skin=("Z:$(realpath "$1")")
# Each window of the gallery on top in turn (the pages open over each other): <prefix>page-<caption>.png.
shoot_pages() { # args: file name prefix
  for id in $(xdotool search --onlyvisible --class 'skingallery' 2>/dev/null); do
    title="$(xdotool getwindowname "$id" 2>/dev/null | tr -c 'A-Za-z0-9\n' '-' | tr -s '-')"
    [ -n "$title" ] || continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -gt 100 ] && [ "$HEIGHT" -gt 60 ] || continue
    xdotool windowraise "$id"; sleep 1
    import -window root -display "$DISPLAY" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$1page-${title%-}.png"
  done
}
# Raises the first visible window whose title matches and sets X, Y, WIDTH and HEIGHT to its geometry;
# fails when there is none.
raise_window() { # args: title pattern
  local id; id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)"
  [ -n "$id" ] || return 1
  xdotool windowraise "$id"; sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
}
# The Menus page's bar in use: an item hot, File dropped down, Right moving on to Edit, Alt+V, the context
# menu (<prefix>menu-*.png).
shoot_menus() { # args: file name prefix
  raise_window '^Menus$' || return 0
  local crop="$((WIDTH + 200))x$((HEIGHT + 120))+$X+$Y"
  read -r _ _ mx my mw mh < <(tr -d '\r' <"$layout" | grep '^MenusPage menu0 ')
  xdotool mousemove --sync $((mx + mw / 2)) $((my + mh / 2)); sleep 0.8
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1menu-hot.png"
  xdotool click 1; sleep 1.2
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1menu-file.png"
  xdotool key Right; sleep 1.2
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1menu-right-to-edit.png"
  xdotool key Escape; sleep 0.5
  xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT - 30)); sleep 0.3
  xdotool key alt+v; sleep 1.2
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1menu-alt-v.png"
  xdotool key Escape; sleep 0.5
  xdotool click 3; sleep 1.2
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1menu-context.png"
  xdotool key Escape; sleep 0.5
}
# The MDI window: a child maximized (its buttons in the frame's menu bar), then the Window menu opened from
# the keyboard (<prefix>mdi-*.png).
shoot_mdi() { # args: file name prefix
  raise_window '^MDI window' || return 0
  local crop="${WIDTH}x${HEIGHT}+$X+$Y"
  read -r _ _ cx cy cw _ < <(tr -d '\r' <"$layout" | grep '^MdiWindow child0 ')
  xdotool mousemove --sync $((cx + cw / 2)) $((cy + 8)); sleep 0.3
  xdotool click --repeat 2 --delay 80 1; sleep 1.5
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1mdi-maximized.png"
  xdotool key alt+w; sleep 1.2
  import -window root -display "$DISPLAY" -crop "$crop" "$out/$1mdi-window-menu.png"
  xdotool key Escape; sleep 0.5
}
run_gallery "${skin[@]}" --mdi
shot gallery
shoot_pages ""
shoot_menus ""
shoot_mdi ""
# Each button of the buttons page: hot, then pressed (released outside it, so nothing is clicked).
tr -d '\r' <"$layout" | while read -r window name x y w h; do
  [ "$window" = ButtonsPage ] || continue
  case "$name" in *Label|window) continue ;; esac
  cx=$((x + w / 2)); cy=$((y + h / 2))
  xdotool mousemove --sync "$cx" "$cy"; sleep 0.6
  import -window root -display "$DISPLAY" -crop "$((w + 16))x$((h + 16))+$((x - 8))+$((y - 8))" "$out/hot-$name.png"
  xdotool mousedown 1; sleep 0.6
  import -window root -display "$DISPLAY" -crop "$((w + 16))x$((h + 16))+$((x - 8))+$((y - 8))" "$out/pressed-$name.png"
  xdotool mousemove --sync 1270 1010; sleep 0.3; xdotool mouseup 1; sleep 0.3
done
stop_gallery
run_gallery --unskinned
shot gallery-unskinned
stop_gallery
# The second skin, and both skins side by side (page by page too).
run_gallery --second --mdi
shot gallery-second
shoot_pages second-
shoot_menus second-
shoot_mdi second-
stop_gallery
convert "$out/gallery.png" "$out/gallery-second.png" +append "$out/gallery-both-skins.png"
for page in "$out"/page-*.png; do
  name="$(basename "$page")"
  [ -f "$out/second-$name" ] && convert "$page" "$out/second-$name" +append "$out/both-$name"
done
echo "gallery.sh: screenshots in $out"
