#!/usr/bin/env bash
# The stored skin in the window description, the two archives of the
# resources, the desktop icons and the folder skins in resources/skins are the generator's output: running the generator on copies must
# change nothing, so art code changed without regenerating (or a generator
# that is not repeatable) fails.
#
#   skin_art_current.sh GENERATOR SOURCE_DIR
set -eu
generator=${1:?usage: skin_art_current.sh GENERATOR SOURCE_DIR}
source_dir=${2:?usage: skin_art_current.sh GENERATOR SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$source_dir/resources/Unit1.dfm" "$work/Unit1.dfm"
mkdir "$work/icons"
"$generator" --description "$work/Unit1.dfm" --preview "$work/preview.png" --archives "$work" \
  --icons "$work/icons" --skins "$work/skins" >/dev/null
if ! cmp -s "$work/Unit1.dfm" "$source_dir/resources/Unit1.dfm"; then
  echo "resources/Unit1.dfm is not what the skin-art generator makes: run build/sortarium-skin-art" >&2
  diff "$source_dir/resources/Unit1.dfm" "$work/Unit1.dfm" | head -n 20 >&2
  exit 1
fi
for archive in INTERNAL_ZIP.zip GENERAL_ZIP.zip; do
  if ! cmp -s "$work/$archive" "$source_dir/resources/$archive"; then
    echo "resources/$archive is not what the skin-art generator makes: run build/sortarium-skin-art" >&2
    exit 1
  fi
done
made=$(cd "$work/icons" && ls)
committed=$(cd "$source_dir/resources/desktop/icons" && ls)
[ "$made" = "$committed" ] || {
  echo "resources/desktop/icons holds other files than the generator makes: $committed, not $made" >&2
  exit 1
}
for icon in $made; do
  if ! cmp -s "$work/icons/$icon" "$source_dir/resources/desktop/icons/$icon"; then
    echo "resources/desktop/icons/$icon is not what the skin-art generator makes: run build/sortarium-skin-art" >&2
    exit 1
  fi
done
# The shipped folder skins, file for file.
if ! diff -r "$work/skins" "$source_dir/resources/skins" >/dev/null; then
  echo "resources/skins is not what the skin-art generator makes: run build/sortarium-skin-art" >&2
  diff -rq "$work/skins" "$source_dir/resources/skins" | head -n 20 >&2
  exit 1
fi
echo "skin_art_current: the stored skin, the archives, the desktop icons and the folder skins match their generator"
