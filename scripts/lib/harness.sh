# The Wine/Xvfb harness shared by scripts/run and scripts/test.
#
# zyfo_harness_start <dir> [reuse-display] [keep-prefix]
#   - a private Xvfb display on a free number (unless reuse-display is "yes" and $DISPLAY is set),
#   - a fresh WINEPREFIX inside <dir> (never ~/.wine; kept from the last time when
#     keep-prefix is "yes", so that settings survive between runs), WINEDEBUG=-all,
#   - the mouse driver's device object \\.\Kiv_Device pointed at a plain file,
#     <dir>/device/kiv_device.bin, exported as ZYFO_DEVICE_FILE.
# zyfo_harness_stop: stops the processes of that prefix and the Xvfb it started, by id.

zyfo_xvfb_pid=""

# The first display number tried is $ZYFO_DISPLAY_FROM (57 by default), so that
# harnesses started side by side look in different ranges.
zyfo_free_display() {
  local n
  for n in $(seq "${ZYFO_DISPLAY_FROM:-57}" 250); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

zyfo_harness_start() {
  local dir=$1 reuse=${2:-no} keep=${3:-no}
  mkdir -p "$dir"
  if [ "$reuse" = yes ] && [ -n "${DISPLAY:-}" ]; then
    echo "Using the display $DISPLAY"
  else
    local n
    n=$(zyfo_free_display) || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    zyfo_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    echo "Started a private Xvfb display $DISPLAY (1024x768)"
  fi
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko prompts in a fresh prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$keep" != yes ] || [ ! -d "$WINEPREFIX" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  if [ -n "$zyfo_xvfb_pid" ]; then
    # No window manager runs on our own display: let Wine draw the frames
    # itself instead of waiting up to two seconds for a manager to acknowledge
    # every window that is hidden or destroyed.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  elif [ "$keep" = yes ]; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  fi
  mkdir -p "$dir/device"
  [ "$keep" = yes ] && [ -f "$dir/device/kiv_device.bin" ] || : >"$dir/device/kiv_device.bin"
  ln -sfn "$dir/device/kiv_device.bin" "$WINEPREFIX/dosdevices/kiv_device"
  export ZYFO_DEVICE_FILE="$dir/device/kiv_device.bin"
}

zyfo_harness_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$zyfo_xvfb_pid" ]; then
    kill "$zyfo_xvfb_pid" 2>/dev/null || true
    wait "$zyfo_xvfb_pid" 2>/dev/null || true
    zyfo_xvfb_pid=""
  fi
}
