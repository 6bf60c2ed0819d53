#!/usr/bin/env bash
# End to end: the skinned window frame of the real program under a window
# manager, as on a desktop. The window is shaped with rounded corners (the
# root window shows through outside them), its title bar drags it, its
# skinned minimize button minimizes it and the window manager gives it
# back, and its skinned close button ends the program with exit code 0.
#
#   frame_e2e.sh PROGRAM SCRIPT_TOOL LISTINGS_DIR
#
# Dragging by the caption and minimizing are requests to the window manager
# (the caption is a drag area for it; a minimize is an iconify request), so
# a plain X server without one would do neither: openbox, light and
# standards-following, stands in for the desktop's window manager. Where the
# caption buttons are is taken from the headless driver, which builds the
# same window for the same screen size.
set -u

prog=${1:?usage: frame_e2e.sh PROGRAM SCRIPT_TOOL LISTINGS_DIR}
tool=${2:?usage}
listings=${3:?usage}
name=frame_e2e
keep_var=FRAME_E2E_KEEP
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
wm_pid=
stop_wm() {
  if [ -n "$wm_pid" ] && kill -0 "$wm_pid" 2>/dev/null; then
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
  fi
  cleanup
}
trap stop_wm EXIT

command -v openbox >/dev/null || fail "openbox is not installed (scripts/setup installs it)"
command -v xprop >/dev/null || fail "xprop is not installed"

read_layout "$tool" "$listings"
button_rect() {
  grep -o "\"$1\":{\"rect\":\[[-0-9,]*\]" "$work/layout.json" | grep -o '\[.*\]' | tr -d '[]' | tr ',' ' '
}
read -r min_left min_top min_w min_h <<<"$(button_rect minimize)"
read -r close_left close_top close_w close_h <<<"$(button_rect close)"
title_band=$(grep -o '"titleBand":[0-9]*' "$work/layout.json" | grep -o '[0-9]*$')
[ -n "$min_h" ] && [ -n "$close_h" ] && [ -n "$title_band" ] && [ -n "$win_height" ] ||
  fail "the driver reported no skinned caption buttons: $(cat "$work/layout.json")"

start_display
openbox --sm-disable >"$work/wm.log" 2>&1 &
wm_pid=$!
# The window manager is up once it owns the screen's manager selection.
wm_ready() {
  kill -0 "$wm_pid" 2>/dev/null || fail "openbox exited: $(tail -n 3 "$work/wm.log")"
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
retry 100 wm_ready || fail "openbox did not come up within 10 s"
desktop=$(screenshot) || fail "no screenshot of the empty desktop"

(cd "$listings" && exec "$prog") >"$work/out" 2>"$work/err" &
app_pid=$!
window_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
[ -n "$window_id" ] || fail "the program showed no window"

# Where the window is on screen, as "X Y".
position() { xdotool getwindowgeometry "$window_id" | sed -n 's/.*Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p'; }
read -r x0 y0 <<<"$(position)"
[ -n "$y0" ] || fail "xdotool reported no position for the window"

# --- Rounded corners: outside the curve the desktop shows through, just
# inside it the frame is drawn.
corner_points=("$x0 $y0" "$((x0 + win_width - 1)) $y0" "$x0 $((y0 + win_height - 1))"
  "$((x0 + win_width - 1)) $((y0 + win_height - 1))")
inner_points=("$((x0 + 3)) $((y0 + 3))" "$((x0 + win_width - 4)) $((y0 + 3))"
  "$((x0 + 3)) $((y0 + win_height - 4))" "$((x0 + win_width - 4)) $((y0 + win_height - 4))")
title_x=$((x0 + win_width / 2))
title_y=$((y0 + title_band / 2))
framed() {
  local file p desk seen left right
  file=$(screenshot) || return 1
  # The title is drawn: not the desktop's colour.
  # shellcheck disable=SC2086
  [ "$(pixel "$file" $title_x $title_y)" != "$(pixel "$desktop" $title_x $title_y)" ] || return 1
  for p in "${corner_points[@]}"; do
    # shellcheck disable=SC2086
    desk=$(pixel "$desktop" $p) seen=$(pixel "$file" $p)
    [ "$seen" = "$desk" ] || { last_seen="corner $p shows $seen, the desktop there is $desk"; return 1; }
  done
  for p in "${inner_points[@]}"; do
    # shellcheck disable=SC2086
    desk=$(pixel "$desktop" $p) seen=$(pixel "$file" $p)
    [ "$seen" != "$desk" ] || { last_seen="inside the corner at $p the desktop shows ($seen)"; return 1; }
  done
  # The borders are painted all along, alike on both sides (the panels that
  # reach past the client area once kept the frame from being drawn there).
  for p in $((title_band + 5)) $((win_height / 2)) $((win_height - 20)); do
    left=$(pixel "$file" "$x0" $((y0 + p)))
    right=$(pixel "$file" $((x0 + win_width - 1)) $((y0 + p)))
    [ "$left" = "$right" ] && [ "$left" != "$(pixel "$desktop" "$x0" $((y0 + p)))" ] ||
      { last_seen="at row $p the left border shows $left, the right one $right"; return 1; }
  done
  cp "$file" "$work/framed.png"
}
last_seen="the title is not drawn"
retry 50 framed || fail "the window's corners are not rounded: $last_seen"

# --- The title bar drags the window, by as much as the mouse moved; there
# and back, so the caption buttons stay on the screen.
drag() {
  local from_x=$1 from_y=$2 dx=$3 dy=$4 step
  xdotool mousemove --sync "$from_x" "$from_y" mousedown 1 || fail "xdotool could not press"
  for step in 1 2 3 4 5; do
    xdotool mousemove --sync $((from_x + dx * step / 5)) $((from_y + dy * step / 5))
    sleep 0.05
  done
  xdotool mouseup 1
}
at() { [ "$(position)" = "$1 $2" ]; }
drag_x=$((x0 + win_width / 3))
drag_y=$((y0 + title_band / 2))
drag "$drag_x" "$drag_y" 100 80
retry 30 at $((x0 + 100)) $((y0 + 80)) ||
  fail "dragging the title by (100, 80) should move the window from $x0,$y0; it is at $(position)"
drag $((drag_x + 100)) $((drag_y + 80)) -100 -80
retry 30 at "$x0" "$y0" || fail "dragging the title back should bring the window to $x0,$y0; it is at $(position)"
x=$x0 y=$y0

# --- The skinned minimize button minimizes; the window manager restores.
state() { xprop -id "$window_id" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p'; }
xdotool mousemove --sync $((x + min_left + min_w / 2)) $((y + min_top + min_h / 2)) click 1 ||
  fail "xdotool could not click"
iconic() { [ "$(state)" = "Iconic" ]; }
retry 30 iconic || fail "the minimize button should minimize the window; its state is '$(state)'"
xdotool windowactivate "$window_id" 2>/dev/null || xdotool windowmap "$window_id"
normal() { [ "$(state)" = "Normal" ]; }
retry 30 normal || fail "the window should come back when activated; its state is '$(state)'"
[ "$(position)" = "$x $y" ] || fail "the restored window should be where it was ($x $y), it is at $(position)"
title_x=$((x + win_width / 2))
title_y=$((y + title_band / 2))
shown_again() {
  local file
  file=$(screenshot) || return 1
  last_seen=$(pixel "$file" "$title_x" "$title_y")
  # shellcheck disable=SC2086
  [ "$last_seen" != "$(pixel "$desktop" $title_x $title_y)" ]
}
retry 30 shown_again || fail "the restored window's title is not drawn"

# --- The skinned close button ends the program.
xdotool mousemove --sync $((x + close_left + close_w / 2)) $((y + close_top + close_h / 2)) click 1 ||
  fail "xdotool could not click"
expect_clean_exit

passed=1
echo "frame_e2e: passed (display $DISPLAY, screenshot $work/framed.png)"
