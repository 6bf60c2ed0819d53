#!/usr/bin/env bash
# The Debian package as a teacher gets it: CPack builds it from this build
# folder, `dpkg -x` unpacks it into a scratch root, and the program is
# started the way the desktop menu starts it, from its entry's Exec in its
# Path, on a virtual X display. The window must be the program's (title,
# window class of the entry, an icon), fill the screen, and show its listing
# after a click on "Показать программу": the listing is found only if Path
# names the folder the package put it in. Then --screen on the real window,
# and a work area smaller than the screen.
#
#   deb_e2e.sh BUILD_DIR PREFIX VERSION
set -u
build=${1:?usage: deb_e2e.sh BUILD_DIR PREFIX VERSION}
prefix=${2:?usage}
version=${3:?usage}
name=deb_e2e
keep_var=DEB_E2E_KEEP
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -n 5 "$work/cpack.log")"
deb="$work/package/sortarium_${version}_amd64.deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$work/package")"
depends=$(dpkg-deb -f "$deb" Depends)
# xfonts-base: the X server's fonts with Cyrillic, for SDL's message boxes.
for lib in libsdl2 libfreetype libpng xfonts-base; do
  echo "$depends" | grep -q "$lib" || fail "the package does not depend on $lib: $depends"
done
dpkg -x "$deb" "$work/root" || fail "dpkg -x could not unpack the package"
root="$work/root"

entry="$root$prefix/share/applications/sortarium.desktop"
[ -f "$entry" ] || fail "the package has no desktop entry"
key() { grep -m1 "^$1=" "$entry" | cut -d= -f2-; }
# Field codes (%f, %U ...) stand for files the menu would pass; there are none.
exec_line=$(key Exec | sed 's/ *%[a-zA-Z]//g')
path=$(key Path)
[ -d "$root$path" ] || fail "Path=$path is not in the package"
export PATH="$root$prefix/bin:$PATH"

# Where the controls are, from the packaged headless driver.
read_layout sortarium-script "$root$path"
read -r p2_left p2_top _ _ <<<"$(bounds sPanel2)"
read -r b2_left b2_top b2_w b2_h <<<"$(bounds sBitBtn2)"
read -r t_left t_top t_w t_h <<<"$(bounds sText1)"
[ -n "$t_h" ] && [ -n "$b2_h" ] && [ -n "$frame_y" ] || fail "incomplete layout: $(cat "$work/layout.json")"
show_x=$((origin_x + p2_left + b2_left + b2_w / 2))
show_y=$((origin_y + p2_top + b2_top + b2_h / 2))

start_display
# shellcheck disable=SC2086
(cd "$root$path" && exec $exec_line) >"$work/out" 2>"$work/err" &
app_pid=$!
window_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
[ -n "$window_id" ] || fail "the packaged program showed no window"
[ "$(xdotool getwindowname "$window_id")" = "Сортарий" ] || fail "the window is called '$(xdotool getwindowname "$window_id")'"
wm_class=$(xprop -id "$window_id" WM_CLASS)
[ "$wm_class" = "WM_CLASS(STRING) = \"$(key StartupWMClass)\", \"$(key StartupWMClass)\"" ] ||
  fail "the window class does not match the entry's StartupWMClass=$(key StartupWMClass): $wm_class"
xprop -id "$window_id" -notype _NET_WM_ICON | head -n 1 | grep -q '48 x 48\|= 48, 48' ||
  fail "the window has no 48 x 48 icon: $(xprop -id "$window_id" _NET_WM_ICON | head -n 2)"
xdotool getwindowgeometry "$window_id" | grep -q "Geometry: ${win_width}x${win_height}" ||
  fail "the window should fill the work area ${win_width}x${win_height}: $(xdotool getwindowgeometry "$window_id")"

# The darkest grey level inside the visible part of the listing pane (it
# reaches below the client area), clear of its edges and of the row of
# cells it meets: white while empty, black text once shown.
pane_w=$(($((t_left + t_w < client_w ? t_left + t_w : client_w)) - t_left - 16))
pane_h=$(($((t_top + t_h < client_h ? t_top + t_h : client_h)) - t_top - 16))
darkest() {
  convert "$1" -crop "${pane_w}x${pane_h}+$((origin_x + t_left + 8))+$((origin_y + t_top + 8))" -colorspace gray \
    -format '%[fx:int(255*minima)]' info:
}
empty_pane() { file=$(screenshot) && last_seen=$(darkest "$file") && [ "$last_seen" -gt 128 ]; }
text_in_pane() { file=$(screenshot) && last_seen=$(darkest "$file") && [ "$last_seen" -lt 64 ]; }
retry 50 empty_pane || fail "the listing pane should start empty, its darkest grey is $last_seen"
xdotool mousemove --sync "$show_x" "$show_y" click 1 || fail "xdotool could not click"
retry 50 text_in_pane || fail "no listing appeared after a click on 'Показать программу' (darkest grey $last_seen)"

close_x=$((win_left + win_width - 12))
close_y=$((win_top + 13))
xdotool mousemove --sync "$close_x" "$close_y" click 1 || fail "xdotool could not click"
expect_clean_exit

# --screen: the window is laid out for, and fills, a screen of that size.
(cd "$root$path" && exec sortarium --screen 800x600) >"$work/out" 2>"$work/err" &
app_pid=$!
window_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
[ -n "$window_id" ] || fail "with --screen 800x600 the program showed no window"
sized() { xdotool getwindowgeometry "$window_id" | grep -q "Geometry: 800x600"; }
retry 30 sized || fail "with --screen 800x600 the window is $(xdotool getwindowgeometry "$window_id")"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

# A task bar takes the bottom 40 pixels (the work area a window manager
# announces on the root window): the window fills what is left, not the screen.
# Xvfb forgets root properties when its last client leaves: a watcher
# stays connected from before the property is set until the end.
xprop -root -spy _NET_WORKAREA >/dev/null 2>&1 &
sleep 0.2
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA 0,0,1024,728 || fail "cannot set the work area"
xprop -root _NET_WORKAREA | grep -q '0, 0, 1024, 728' || fail "the work area did not stay set on the root window"
(cd "$root$path" && exec sortarium) >"$work/out" 2>"$work/err" &
app_pid=$!
window_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
[ -n "$window_id" ] || fail "with a task bar the program showed no window"
fits() { xdotool getwindowgeometry "$window_id" | grep -q "Geometry: 1024x728"; }
retry 30 fits || fail "the window should fit the work area 1024x728: $(xdotool getwindowgeometry "$window_id")"

passed=1
echo "deb_e2e: passed ($(basename "$deb"), display $DISPLAY)"
