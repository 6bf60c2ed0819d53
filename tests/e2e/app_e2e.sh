#!/usr/bin/env bash
# End to end: the real program on a virtual X display. It must fill the
# work area, react on screen to clicks on its cells and buttons, and end
# with exit code 0 when its close button is clicked.
#
#   app_e2e.sh PROGRAM SCRIPT_TOOL LISTINGS_DIR
#
# Where controls are is taken from the headless driver, which builds the
# same window for the same screen size.
set -u

prog=${1:?usage: app_e2e.sh PROGRAM SCRIPT_TOOL LISTINGS_DIR}
tool=${2:?usage}
listings=${3:?usage}
name=app_e2e
keep_var=APP_E2E_KEEP
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

# The layout of the window at 1024 x 768, from the headless driver.
read_layout "$tool" "$listings"
read -r p2_left p2_top _ _ <<<"$(bounds sPanel2)"
read -r b1_left b1_top b1_w b1_h <<<"$(bounds sBitBtn1)"
read -r c3_left c3_top c3_w c3_h <<<"$(bounds StaticText3)"
[ -n "$c3_h" ] && [ -n "$b1_h" ] && [ -n "$frame_y" ] || fail "incomplete layout: $(cat "$work/layout.json")"
cell3_x=$((origin_x + c3_left + 6))   # inside the cell, clear of its digits
cell3_y=$((origin_y + c3_top + 6))
fill_x=$((origin_x + p2_left + b1_left + b1_w / 2))
fill_y=$((origin_y + p2_top + b1_top + b1_h / 2))

start_display
(cd "$listings" && exec "$prog") >"$work/out" 2>"$work/err" &
app_pid=$!

window_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
[ -n "$window_id" ] || fail "the program showed no window"
[ "$(xdotool getwindowname "$window_id")" = "Сортарий" ] ||
  fail "the window is called '$(xdotool getwindowname "$window_id")', not 'Сортарий'"
geometry=$(xdotool getwindowgeometry "$window_id")
echo "$geometry" | grep -q "Geometry: ${win_width}x${win_height}" ||
  fail "the window should fill the work area ${win_width}x${win_height}: $geometry"

# A fingerprint of the row of cells.
row_hash() { convert "$1" -crop "${client_w}x113+${origin_x}+${origin_y}" -depth 8 rgb:- | md5sum | cut -c1-32; }
shows() {
  local file
  file=$(screenshot) || return 1
  last_seen=$(pixel "$file" "$2" "$3")
  [ "$last_seen" = "$1" ]
}

last_seen=
retry 50 shows D4D0C8 "$cell3_x" "$cell3_y" || fail "cell 3 should be button-face grey, the screenshot has $last_seen"
before=$(row_hash "$(screenshot)")

# The fill button puts new numbers into the row.
xdotool mousemove --sync "$fill_x" "$fill_y" click 1 || fail "xdotool could not click"
changed() { [ "$(row_hash "$(screenshot)")" != "$before" ]; }
retry 30 changed || fail "the row did not change after a click on the fill button"

# A click on cell 3 is a manual step: position 1 becomes done (cyan).
cell1_x=$((origin_x + 6))
xdotool mousemove --sync "$cell3_x" "$cell3_y" click 1 || fail "xdotool could not click"
retry 30 shows 00FFFF "$cell1_x" "$cell3_y" || fail "cell 1 should turn cyan after the first manual step, it shows $last_seen"

# The close button sits at the right end of the caption.
close_x=$((win_left + win_width - 12))
close_y=$((win_top + 13))
xdotool mousemove --sync "$close_x" "$close_y" click 1 || fail "xdotool could not click"
expect_clean_exit

passed=1
echo "app_e2e: passed (display $DISPLAY)"
