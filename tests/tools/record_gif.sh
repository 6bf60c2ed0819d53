#!/usr/bin/env bash
# A recorded lesson read back by an outside decoder (ImageMagick): as many
# frames as the virtual time recorded divided by the interval, each with the
# interval as its delay; the first frame the same picture as a snapshot of
# that moment, within the quantiser's stated error (no channel more than 32
# levels off, and most pixels exact); and `frames` writing one PNG per tick.
# Also a recording the program's own sort runs through: the clock jumps
# inside the click, and the frames must still follow it.
#
#   record_gif.sh SCRIPT_TOOL LISTINGS_DIR
set -u
tool=${1:?usage: record_gif.sh SCRIPT_TOOL LISTINGS_DIR}
listings=${2:?usage}
work=$(mktemp -d "${TMPDIR:-/tmp}/record_gif.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "record_gif: FAIL: $*" >&2
  exit 1
}
time_of() { grep -o '"time":[0-9]*' <<<"$1" | cut -d: -f2; }

cat >"$work/lesson.script" <<SCRIPT
values 50 20 20 10 64 71 38 90 47 83
snapshot $work/first.png
dump
record $work/manual.gif 50
at 120 click StaticText4
at 330 click StaticText2
wait 730
stop-record
dump
frames $work/frames 200
wait 500
stop-record
SCRIPT
"$tool" --seed 3 --dir "$listings" "$work/lesson.script" >"$work/out" 2>"$work/err" || fail "the driver failed: $(cat "$work/err")"
start=$(time_of "$(sed -n 1p "$work/out")")
stop=$(time_of "$(sed -n 2p "$work/out")")
[ "$((stop - start))" = 730 ] || fail "the script should have recorded 730 ms, the clock says $start to $stop"

# 730 ms at one frame per 50 ms: frames at 0, 50 ... 700, each lasting 5 hundredths.
delays=$(identify -format '%T\n' "$work/manual.gif") || fail "ImageMagick cannot read the GIF"
[ "$(wc -l <<<"$delays")" = 15 ] || fail "expected 15 frames, found $(wc -l <<<"$delays")"
[ "$(sort -u <<<"$delays")" = 5 ] || fail "every delay should be 5 hundredths: $(sort -u <<<"$delays" | tr '\n' ' ')"
identify -format '%W %H\n' "$work/manual.gif" | sort -u | grep -qx '1024 768' || fail "the GIF is not 1024 x 768"

# The first frame against the snapshot: no channel more than 32 levels off
# and at most a fifth of the pixels changed at all.
same_as_snapshot() {
  local peak differ
  convert "$1[0]" "$work/frame0.png" || fail "cannot take the first frame of $1"
  peak=$(compare -metric PAE "$work/frame0.png" "$2" null: 2>&1 | cut -d' ' -f1)
  [ "$((peak * 255 / 65535))" -le 32 ] || fail "the first frame of $1 is up to $((peak * 255 / 65535)) levels off the snapshot"
  differ=$(compare -metric AE "$work/frame0.png" "$2" null: 2>&1 | cut -d' ' -f1)
  [ "$differ" -lt $((1024 * 768 / 5)) ] || fail "$differ pixels of the first frame of $1 differ from the snapshot"
}
same_as_snapshot "$work/manual.gif" "$work/first.png"
# The manual steps show: the last frame (700 ms) has positions 1 and 2 done (cyan).
convert "$work/manual.gif" -coalesce "$work/last-%02d.png" 2>/dev/null
last=$(ls "$work"/last-*.png | tail -n 1)
[ "$(convert "$last" -crop 1x1+10+40 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')" = "#00FFFF" ] ||
  fail "the last frame does not show position 1 done"
cmp -s <(convert "$work/manual.gif[0]" rgb:-) <(convert "$last" rgb:-) && fail "the recording never changed"

n=$(ls "$work/frames" | wc -l)
[ "$n" = 3 ] || fail "frames over 500 ms at 200 ms should be 3 files, found $n: $(ls "$work/frames")"
[ -f "$work/frames/frame-00001.png" ] || fail "the frames are not numbered from frame-00001.png"

# The automatic sort runs inside its button's click, sleeping on the
# virtual clock; the recording follows the clock. The listing's antialiased
# text gives the window more colours than a GIF palette holds.
cat >"$work/auto.script" <<SCRIPT
click sBitBtn2
snapshot $work/listing.png
dump
record $work/auto.gif 500
click sBitBtn4
stop-record
dump
SCRIPT
"$tool" --seed 3 --dir "$listings" "$work/auto.script" >"$work/out" 2>"$work/err" || fail "the driver failed: $(cat "$work/err")"
start=$(time_of "$(sed -n 1p "$work/out")")
stop=$(time_of "$(sed -n 2p "$work/out")")
expected=$(((stop - start + 499) / 500))
[ "$expected" -gt 10 ] || fail "the automatic sort took only $((stop - start)) ms"
[ "$(identify -format '%T\n' "$work/auto.gif" | wc -l)" = "$expected" ] ||
  fail "a sort of $((stop - start)) ms at 500 ms a frame should give $expected frames, not $(identify -format '%T\n' "$work/auto.gif" | wc -l)"
[ "$(identify -format '%k' "$work/listing.png")" -gt 256 ] || fail "the listing should have more than 256 colours"
same_as_snapshot "$work/auto.gif" "$work/listing.png"

printf 'record %s 100\nwait 300\nstop-record\n' "$work/small.gif" | "$tool" --scale 4 --dir "$listings" - ||
  fail "the driver failed with --scale"
identify -format '%W %H\n' "$work/small.gif" | sort -u | grep -qx '256 192' || fail "--scale 4 should give 256 x 192 frames"

echo "record_gif: passed"
