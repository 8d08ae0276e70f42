# Two monitors for the display tests. Xvfb gives Wine one monitor whatever its
# options; Xephyr with two screens and Xinerama (RandR off, so that Wine falls
# back to Xinerama) inside an Xvfb gives two: 0,0-1280,1024 (primary) and
# 1280,0-2304,768.
#
# zyfo_monitors_start: starts both and exports DISPLAY (Xephyr's).
# zyfo_monitors_stop: stops them, by process id.
# zyfo_displays_start <harness dir>: both, and the harness's Wine prefix on them.

zyfo_monitors_outer_pid=""
zyfo_monitors_inner_pid=""

zyfo_monitors_start() {
  local outer inner i
  outer=$(zyfo_free_display) || return 1
  Xvfb ":$outer" -screen 0 2400x1100x24 -nolisten tcp >/dev/null 2>&1 &
  zyfo_monitors_outer_pid=$!
  for i in $(seq 1 50); do DISPLAY=":$outer" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  inner=$(ZYFO_DISPLAY_FROM=$((outer + 1)) zyfo_free_display) || { zyfo_monitors_stop; return 1; }
  DISPLAY=":$outer" Xephyr ":$inner" +xinerama -extension RANDR -screen 1280x1024 -screen 1024x768 \
    -nolisten tcp >/dev/null 2>&1 &
  zyfo_monitors_inner_pid=$!
  for i in $(seq 1 50); do DISPLAY=":$inner" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  export DISPLAY=":$inner"
  echo "Started two monitors on $DISPLAY (Xephyr inside Xvfb :$outer)"
}

zyfo_monitors_stop() {
  local pid
  for pid in "$zyfo_monitors_inner_pid" "$zyfo_monitors_outer_pid"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  zyfo_monitors_inner_pid=""
  zyfo_monitors_outer_pid=""
}

# zyfo_set_scale <dpi>: the display scale of the prefix's programs from their
# next start (Wine reads LogPixels when its server starts).
zyfo_set_scale() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
}

zyfo_displays_start() {
  zyfo_monitors_start || return 1
  zyfo_harness_start "$1" yes
  # As on the harness's own display: no window manager runs on these two.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
