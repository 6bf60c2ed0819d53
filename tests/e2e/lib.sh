# Shared by the end-to-end scripts: a virtual X display, retries, screenshots
# and pixels. The sourcing script sets `name` (for messages), `keep_var`
# (the variable that keeps the work folder) and fills `app_pid`.
work=$(mktemp -d "${TMPDIR:-/tmp}/${name}.XXXXXX")
xvfb_pid=
app_pid=
passed=0

cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null
    sleep 0.2
    kill -9 "$app_pid" 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  [ "$passed" = 1 ] && [ -z "${!keep_var:-}" ] && rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$name: FAIL: $*" >&2
  [ -s "$work/out" ] && sed 's/^/  program said: /' "$work/out" >&2
  [ -s "$work/err" ] && sed 's/^/  program error: /' "$work/err" >&2
  echo "  screenshots and logs: $work" >&2
  exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Runs "$@" every 50 ms until it succeeds or `tenths` tenths of a second pass.
retry() {
  local deadline=$(($(now_ms) + $1 * 100))
  shift
  while :; do
    "$@" && return 0
    [ "$(now_ms)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Starts Xvfb on a display it picks itself and points DISPLAY at it. A
# display number another test's server has just given up can still lose its
# socket to that server's shutdown (openbox then "failed to open the
# display"), so a display counts only once a client reaches it; else a new
# server is started.
start_display() {
  local tool attempt
  for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
  display_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb exited: $(tail -n 3 "$work/xvfb.log")"
    [ -s "$work/display" ]
  }
  reachable() { xdotool getdisplaygeometry >/dev/null 2>&1; }
  for attempt in 1 2 3 4 5; do
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    retry 50 display_ready || fail "Xvfb did not come up within 5 s"
    export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
    # Twice, a moment apart: the other server's last steps take less.
    retry 20 reachable && sleep 0.2 && reachable && break
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
    [ "$attempt" -lt 5 ] || fail "Xvfb reported display $DISPLAY five times, and no client could reach it"
  done
  unset WAYLAND_DISPLAY
  export SDL_VIDEODRIVER=x11
  # In a sanitizer build the X11, GL and D-Bus libraries leave one-off
  # allocations behind at exit, in modules already unloaded by then, so they
  # cannot even be told apart. Memory errors are still caught; the backend's
  # own leaks are checked by its unit tests on SDL's dummy driver.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
}

# Takes a screenshot and answers its file name.
screenshot() {
  local file
  file="$work/shot-$(date +%s%N).png"
  import -window root "$file" 2>>"$work/import.log" && echo "$file"
}

# The colour of a screenshot at a point, as RRGGBB.
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' |
    tr 'a-f' 'A-F'
}

# Waits for the program to end after its close button was clicked; fails
# unless it ends within 5 s with exit code 0.
expect_clean_exit() {
  exited() { ! kill -0 "$app_pid" 2>/dev/null; }
  retry 50 exited || fail "the program did not exit within 5 s of a click on its close button"
  wait "$app_pid"
  local status=$?
  app_pid=
  [ "$status" = 0 ] || fail "the program exited with status $status"
}

# The window's layout on a 1024 x 768 screen, as a headless driver reports
# it: win_left, win_top, win_width, win_height (the window on the screen),
# client_w, client_h, frame_x, frame_y (where the client area starts in the
# window) and origin_x, origin_y (the client area's top-left on the screen).
# `bounds NAME` then answers a control's "left top width height" in its
# parent.
#   read_layout DRIVER LISTINGS
read_layout() {
  echo dump | "$1" --screen 1024x768 --dir "$2" - >"$work/layout.json" 2>"$work/layout.err" ||
    fail "the headless driver could not report the layout: $(cat "$work/layout.err")"
  read -r win_left win_top win_width win_height <<<"$(grep -o '"window":{[^}]*}' "$work/layout.json" |
    grep -o '[-0-9]\+' | head -n 4 | tr '\n' ' ')"
  client_w=$(grep -o '"clientWidth":[0-9]*' "$work/layout.json" | grep -o '[0-9]*$')
  client_h=$(grep -o '"clientHeight":[0-9]*' "$work/layout.json" | grep -o '[0-9]*$')
  [ -n "$win_height" ] && [ -n "$client_h" ] || fail "incomplete layout: $(cat "$work/layout.json")"
  frame_x=$(((win_width - client_w) / 2))
  frame_y=$((win_height - client_h - frame_x))
  origin_x=$((win_left + frame_x))
  origin_y=$((win_top + frame_y))
}
bounds() { grep -o "\"$1\":\[[-0-9,]*\]" "$work/layout.json" | head -n 1 | grep -o '\[.*\]' | tr -d '[]' | tr ',' ' '; }

