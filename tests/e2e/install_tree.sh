#!/usr/bin/env bash
# `cmake --install` into a scratch root: every file a desktop needs in its
# place, the desktop entry pointing at the folder that holds the listings,
# icons of the sizes their folders claim, and the installed program's
# command line answering with the right exit codes (no display needed).
#
#   install_tree.sh BUILD_DIR SOURCE_DIR PREFIX VERSION
set -u
build=${1:?usage: install_tree.sh BUILD_DIR SOURCE_DIR PREFIX VERSION}
source_dir=${2:?usage}
prefix=${3:?usage}
version=${4:?usage}
work=$(mktemp -d "${TMPDIR:-/tmp}/install_tree.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "install_tree: FAIL: $*" >&2
  exit 1
}

DESTDIR="$work/root" cmake --install "$build" >"$work/install.log" 2>&1 || fail "cmake --install failed: $(tail -n 5 "$work/install.log")"
root="$work/root$prefix"

for f in bin/sortarium bin/sortarium-script; do
  [ -x "$root/$f" ] || fail "$f is missing or not executable"
done
for listing in возрастание.txt убывание.txt; do
  cmp -s "$root/share/sortarium/$listing" "$source_dir/resources/listings/$listing" ||
    fail "share/sortarium/$listing is missing or differs from resources/listings"
done
if [ -d "$source_dir/resources/skins" ]; then
  for skin in "$source_dir"/resources/skins/*/; do
    name=$(basename "$skin")
    diff -r "$skin" "$root/share/sortarium/skins/$name" >/dev/null || fail "skin folder $name is not installed as it is"
  done
fi

# The desktop entry: started in the data folder, so the listings are found.
entry="$root/share/applications/sortarium.desktop"
[ -f "$entry" ] || fail "share/applications/sortarium.desktop is missing"
key() { grep -m1 "^$1=" "$entry" | cut -d= -f2-; }
[ "$(key Path)" = "$prefix/share/sortarium" ] || fail "Path= is '$(key Path)', not $prefix/share/sortarium"
[ -f "$work/root$(key Path)/возрастание.txt" ] || fail "the folder of Path= holds no listing"
exec_word=$(key Exec | cut -d' ' -f1)
[ -x "$root/bin/$exec_word" ] || fail "Exec= starts '$exec_word', which is not installed in bin/"
[ "$(key Icon)" = sortarium ] || fail "Icon= is '$(key Icon)'"
[ "$(key 'Name\[ru\]')" = Сортарий ] || fail "the Russian name is '$(key 'Name\[ru\]')'"
case "$(key Categories)" in *Education\;*ComputerScience\;*) ;; *) fail "Categories= is '$(key Categories)'" ;; esac

# Each icon is a PNG of the size its folder names (width and height from IHDR).
for size in 16 32 48 128 256 512; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/sortarium.png"
  [ -f "$icon" ] || fail "the ${size}x${size} icon is missing"
  read -r w h <<<"$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')"
  [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

metainfo=$(ls "$root"/share/metainfo/*.metainfo.xml 2>/dev/null)
[ "$(echo "$metainfo" | wc -w)" = 1 ] || fail "share/metainfo should hold one metainfo file: $metainfo"
grep -q '<launchable type="desktop-id">sortarium.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch sortarium.desktop"
grep -q '<image>.*screenshot.png</image>' "$metainfo" || fail "the metainfo has no screenshot"

man_page="$root/share/man/man1/sortarium.1"
[ -f "$man_page" ] || fail "share/man/man1/sortarium.1 is missing"
command -v groff >/dev/null || fail "groff is needed to read the manual page"
warnings=$(groff -k -man -Tutf8 -ww -z "$man_page" 2>&1)
[ -z "$warnings" ] || fail "the manual page has mistakes: $warnings"
text=$(groff -k -man -Tutf8 -P-cbou "$man_page" 2>/dev/null)
for word in --screen --version --speed --follow-listing KEYS "record FILE.gif MS" frames возрастание.txt "$prefix/share/sortarium"; do
  grep -q -- "$word" <<<"$text" || fail "the manual page does not mention $word"
done

# The installed program's command line, before it ever needs a display.
prog="$root/bin/sortarium"
out=$(env -u DISPLAY "$prog" --help 2>&1) || fail "--help exited with $?"
echo "$out" | grep -q -- '--screen WxH' || fail "--help does not list --screen: $out"
out=$(env -u DISPLAY "$prog" --version 2>&1) || fail "--version exited with $?"
[ "$out" = "sortarium $version" ] || fail "--version says '$out', not 'sortarium $version'"
for wrong in --bogus "--screen 12x34" "--screen" "lesson.txt" "--speed 3" "--speed 1/16" "--speed"; do
  # shellcheck disable=SC2086
  out=$(env -u DISPLAY "$prog" $wrong 2>&1)
  status=$?
  [ "$status" = 2 ] || fail "'sortarium $wrong' exited with $status, not 2"
  printf "%s\n" "$out" | head -n 1 | grep -q -- "${wrong%% *}" ||
    fail "the error for '$wrong' does not name it: $out"
done

echo "install_tree: passed ($(find "$work/root" -type f | wc -l) files)"
