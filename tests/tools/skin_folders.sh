#!/usr/bin/env bash
# Skin folders end to end through the driver: the built-in skin exported as a
# folder shows the window pixel for pixel as the stored skin does; the
# shipped "Projector" skin loads from its folder; a damaged folder skin
# leaves the program running on the stored skin with exactly one message.
#
#   skin_folders.sh GENERATOR DRIVER SOURCE_DIR
set -eu
generator=${1:?usage: skin_folders.sh GENERATOR DRIVER SOURCE_DIR}
driver=${2:?usage: skin_folders.sh GENERATOR DRIVER SOURCE_DIR}
source_dir=${3:?usage: skin_folders.sh GENERATOR DRIVER SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "skin_folders: $*" >&2; exit 1; }

"$generator" --export-folder "$work/skins/Exported" >/dev/null
run() {  # run OUT.png [driver options...]
  local out=$1; shift
  printf 'click sBitBtn1\nmove sBitBtn2\nwait 400\ndump-skin\nsnapshot %s\ndump\n' "$out" |
    "$driver" --seed 5 --dir "$source_dir/resources/listings" "$@" -
}
# Both chosen after the window was read, so both go through the same reload.
run "$work/stored.png" --skin "NextKavra (internal)" > "$work/stored.json"
run "$work/exported.png" --skins-dir "$work/skins" --skin Exported > "$work/exported.json"
grep -q '"source":"folder"' "$work/exported.json" || fail "the exported skin was not read from its folder"
grep -q "\"skinPath\":\"$work/skins/Exported/\"" "$work/exported.json" || fail "dump-skin does not show the skin's path"
cmp -s "$work/stored.png" "$work/exported.png" || fail "the exported skin paints differently from the stored one"

run "$work/projector.png" --skins-dir "$source_dir/resources/skins" --skin Projector > "$work/projector.json"
grep -q '"skinName":"Projector"' "$work/projector.json" || fail "Projector did not load"
! cmp -s "$work/stored.png" "$work/projector.png" || fail "Projector looks like the stored skin"

mkdir -p "$work/skins/Bad"
cp "$work/skins/Exported/"* "$work/skins/Bad/"
printf '[EXTRA]\nIMAGEPERCENT=lots\n' >> "$work/skins/Bad/Options.dat"
run "$work/bad.png" --skins-dir "$work/skins" --skin Bad > "$work/bad.json" 2> "$work/bad.err" ||
  fail "a damaged skin stopped the driver"
grep -q '"source":"stored"' "$work/bad.json" || fail "the stored skin did not take the damaged one's place"
boxes=$(grep -o 'could not be loaded' "$work/bad.json" | wc -l)
[ "$boxes" -eq 1 ] || fail "expected one message about the damaged skin, found $boxes"
grep -q "'lots' is not a valid integer value in Options.dat, line" "$work/bad.json" || fail "the message does not say where"
cmp -s "$work/stored.png" "$work/bad.png" || fail "the fallback does not look like the stored skin"
echo "skin_folders: export, Projector and the fallback behave"
