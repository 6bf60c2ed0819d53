#!/usr/bin/env bash
# End to end on a real display: starts a virtual X server, runs the SDL2
# smoke program, checks what it shows with screenshots, clicks its control,
# presses a key, and closes it with its own close button.
#
#   sdl_smoke.sh PROGRAM
#
# Needs Xvfb, xdotool and ImageMagick (import, convert). Screenshots and the
# program's output are kept in a temporary folder when something fails (and
# always with SDL_SMOKE_KEEP=1).
set -u

prog=${1:?usage: sdl_smoke.sh PROGRAM}
name=sdl_smoke
keep_var=SDL_SMOKE_KEEP
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

start_display
"$prog" >"$work/out" 2>"$work/err" &
app_pid=$!

program_says() { grep -q "$1" "$work/out"; }
alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program exited early"; }
ready() { alive && program_says '^ready$'; }
retry 100 ready || fail "the program did not report its window within 10 s"

read -r _ pad_left pad_top pad_width pad_height <<<"$(grep '^pad ' "$work/out")"
read -r _ close_x close_y <<<"$(grep '^close ' "$work/out")"
read -r _ color_before color_after <<<"$(grep '^colors ' "$work/out")"
if [ -z "$color_after" ] || [ -z "$close_y" ] || [ -z "$pad_height" ]; then
  fail "the program's geometry lines are incomplete"
fi

pad_x=$((pad_left + pad_width / 2))
pad_y=$((pad_top + pad_height / 2))

window_id=$(timeout 5 xdotool search --sync --onlyvisible --name '^SDL smoke$' | head -n 1)
[ -n "$window_id" ] || fail "no visible window named 'SDL smoke' appeared"

# Whether the control shows `color` at its centre and just inside two corners.
pad_shows() {
  local color=$1 file p
  file=$(screenshot) || return 1
  for p in "$pad_x $pad_y" "$((pad_left + 2)) $((pad_top + 2))" \
    "$((pad_left + pad_width - 3)) $((pad_top + pad_height - 3))"; do
    # shellcheck disable=SC2086
    last_seen=$(pixel "$file" $p)
    [ "$last_seen" = "$color" ] || return 1
  done
}

last_seen=
retry 50 pad_shows "$color_before" ||
  fail "the control should show $color_before on screen, the screenshot has $last_seen"

xdotool mousemove --sync "$pad_x" "$pad_y" click 1 || fail "xdotool could not click"
retry 30 program_says '^clicked$' || fail "the click on the control did not reach it"
retry 30 pad_shows "$color_after" ||
  fail "after the click the control should show $color_after, the screenshot has $last_seen"

# Keys reach the window under the pointer: there is no window manager to give focus.
xdotool key F5 || fail "xdotool could not press a key"
retry 30 program_says '^key 116$' || fail "the F5 key (116) did not reach the form"

# The window region is the window's shape on the desktop: where F6 cuts the
# top-left corner away, the black root window shows instead of the frame.
read -r _ win_left win_top _ <<<"$(grep '^window ' "$work/out")"
corner_is() {
  local file
  file=$(screenshot) || return 1
  last_seen=$(pixel "$file" $((win_left + 3)) $((win_top + 3)))
  [ "$last_seen" "$1" 000000 ]
}
retry 30 corner_is != || fail "the frame's corner should not be black before shaping"
xdotool key F6 || fail "xdotool could not press a key"
retry 30 program_says '^shaped$' || fail "F6 did not reach the form"
retry 30 corner_is = || fail "after shaping the cut corner should show the black root window, it shows $last_seen"

xdotool mousemove --sync "$close_x" "$close_y" click 1 || fail "xdotool could not click"
expect_clean_exit

passed=1
shots=$(find "$work" -name 'shot-*.png' | wc -l)
echo "sdl_smoke: passed (display $DISPLAY, $shots screenshots)"
