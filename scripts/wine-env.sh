# Sourced by the Wine harness, the test runner and the demo. Needs GRV_WINEPREFIX set by the caller.
# Provides: grv_display_up, grv_wine_up, grv_wine_down.

# GRV_WINEARCH: win32 for the 32-bit tree (the product), win64 for the 64-bit test tree. A 64-bit prefix is
# driven by the 64-bit loader directly, so nothing 32-bit has to run.
export WINEARCH="${GRV_WINEARCH:-win32}"
if [ "$WINEARCH" = win64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  wine() { /usr/lib/wine/wine64 "$@"; }
  wineboot() { /usr/lib/wine/wine64 wineboot "$@"; }
  winepath() { /usr/lib/wine/wine64 winepath "$@"; }
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX="$GRV_WINEPREFIX"
# Chinese locale: gives the ANSI code page 936 inside Wine (LANG alone does not).
export LC_ALL=zh_CN.UTF-8
# A machine without a sound card: ALSA's null device stands in (read from XDG_CONFIG_HOME/alsa/asoundrc), so
# that sound plays, silently, through Wine's audio driver and the media control interface.
if ! grep -qs '^ *[0-9]' /proc/asound/cards; then
  export XDG_CONFIG_HOME="$GRV_WINEPREFIX.config"
  mkdir -p "$XDG_CONFIG_HOME/alsa"
  printf 'pcm.!default {\n  type null\n}\nctl.!default {\n  type hw\n  card 0\n}\n' >"$XDG_CONFIG_HOME/alsa/asoundrc"
fi

_grv_started_xvfb=""

_grv_display_alive() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

# Starts a private Xvfb unless DISPLAY already names a live one.
grv_display_up() {
  _grv_display_alive && return 0
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -ac </dev/null >/dev/null 2>&1 &
    _grv_started_xvfb=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do _grv_display_alive && return 0; sleep 0.1; done
    kill "$_grv_started_xvfb" 2>/dev/null; _grv_started_xvfb=""
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

# The running wineserver of this prefix, if any.
_grv_wineserver_pid() {
  local pid
  for pid in $(pgrep -x "wineserver(32|64)?" 2>/dev/null); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"; return 0
    fi
  done
  return 1
}

_grv_prefix_init() {
  [ -f "$WINEPREFIX/.grv-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
  # A prefix whose creation failed is not marked ready: the next run creates it again.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX failed" >&2
    return 1
  fi
  # No window manager on Xvfb: let Wine draw frames itself so non-client areas exist.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  # A crashing program ends at once instead of waiting in Wine's debugger (a test then fails, not times out).
  local key
  for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
             'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
    wine reg add "$key" /v Auto /t REG_SZ /d 0 /f </dev/null >/dev/null 2>&1
    wine reg add "$key" /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
  done
  # This Debian build does not find its own fonts (Marlett, Tahoma) where they are installed.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$WINEPREFIX/.grv-ready"
}

# Makes sure a display, the prefix and a wineserver bound to that display are up.
grv_wine_up() {
  grv_display_up || return 1
  local pid
  if pid=$(_grv_wineserver_pid); then
    # A wineserver started without (or with another) DISPLAY cannot open windows, and one that outlived
    # its display (we just had to start a new one) holds dead connections: restart it.
    if [ -n "$_grv_started_xvfb" ] || ! { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
      wineserver -k 2>/dev/null; wineserver -w 2>/dev/null || true
    fi
  fi
  _grv_prefix_init || return 1
  if ! _grv_wineserver_pid >/dev/null; then
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
  fi
}

# Stops the wineserver of this prefix and the Xvfb we started (if any).
grv_wine_down() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$_grv_started_xvfb" ]; then
    kill "$_grv_started_xvfb" 2>/dev/null || true
    wait "$_grv_started_xvfb" 2>/dev/null || true
    _grv_started_xvfb=""
  fi
}
