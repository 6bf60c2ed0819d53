#!/usr/bin/env bash
# Without a display the program says so in one line and exits non-zero.
set -u
prog=${1:?usage: no_display.sh PROGRAM}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$prog" 2>&1 </dev/null)
status=$?
[ "$status" -ne 0 ] || { echo "no_display: FAIL: the program exited with 0 without a display" >&2; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "no_display: FAIL: expected one line, got: $out" >&2; exit 1; }
case "$out" in
  *"no display"*) echo "no_display: passed ($out)" ;;
  *) echo "no_display: FAIL: the message does not say there is no display: $out" >&2; exit 1 ;;
esac
