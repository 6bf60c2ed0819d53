#!/usr/bin/env bash
# The lesson scripts of docs/lessons still play: each runs without an error,
# writes its GIF, and ends with the row sorted in its order and every
# position done (cyan). A renamed control or a changed rule breaks them here
# rather than in front of a class.
#
#   lessons.sh SCRIPT_TOOL SOURCE_DIR
set -u
tool=${1:?usage: lessons.sh SCRIPT_TOOL SOURCE_DIR}
source_dir=${2:?usage}
work=$(mktemp -d "${TMPDIR:-/tmp}/lessons.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "lessons: FAIL: $*" >&2
  exit 1
}
mkdir -p "$work/docs/lessons"
check() {
  local lesson=$1 gif=$2 order=$3 dump values expected
  (cd "$work" && "$tool" --scale 4 --dir "$source_dir/resources/listings" "$source_dir/docs/lessons/$lesson") \
    >"$work/out" 2>"$work/err" || fail "$lesson failed: $(cat "$work/err")"
  [ -s "$work/docs/lessons/$gif" ] || fail "$lesson wrote no $gif"
  dump=$(tail -n 1 "$work/out")
  values=$(grep -o '"values":\[[0-9,]*\]' <<<"$dump" | grep -o '[0-9,]*' | tr ',' '\n' | grep .)
  expected=$(sort -n $order <<<"$values")
  [ "$values" = "$expected" ] || fail "$lesson leaves the row $(echo $values) unsorted"
  [ "$(grep -o '"color":"#[0-9A-F]*"' <<<"$dump" | sort -u)" = '"color":"#00FFFF"' ] ||
    fail "$lesson leaves positions not done: $dump"
}
check 1-manual.script manual.gif ""
check 2-auto-ascending.script auto-ascending.gif ""
check 3-descending.script descending.gif -r
check 4-pause-and-step.script pause-and-step.gif ""
echo "lessons: passed"
