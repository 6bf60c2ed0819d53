#!/usr/bin/env bash
# The driver's short scenario under valgrind's memcheck: no invalid read or
# write, no use of an undefined value, no leak that is definitely lost.
#
#   memcheck.sh SORTARIUM_SCRIPT LISTINGS_DIR SCRIPT
set -eu
driver=${1:?usage: memcheck.sh SORTARIUM_SCRIPT LISTINGS_DIR SCRIPT}
listings=${2:?usage: memcheck.sh SORTARIUM_SCRIPT LISTINGS_DIR SCRIPT}
script=${3:?usage: memcheck.sh SORTARIUM_SCRIPT LISTINGS_DIR SCRIPT}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fontconfig keeps caches on purpose; only what our code loses counts.
if ! valgrind --error-exitcode=3 --errors-for-leak-kinds=definite --leak-check=full \
     --show-leak-kinds=definite --log-file="$work/log" \
     "$driver" --seed 5 --dir "$listings" "$script" >"$work/out"; then
  echo "memcheck found errors:" >&2
  grep -E '==[0-9]+== (Invalid|Conditional|Use of|Mismatched|[0-9,]+ bytes in)' -A6 "$work/log" | head -n 60 >&2
  exit 1
fi
grep -q '"manualMode"' "$work/out" || { echo "the scenario did not reach its dump" >&2; exit 1; }
grep -E 'ERROR SUMMARY' "$work/log"
