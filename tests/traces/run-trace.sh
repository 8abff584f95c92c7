#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a replay script through a replay program (quibra-replay, or the GUI
# tests' gui-replay) and compares its output, and the files it leaves, with
# what the script expects. A line "#--" starts a new section, which runs
# anew in a fresh working directory. Lines of a section besides its tokens:
#   #! COMMAND          a shell command that prepares the working directory
#   #> LINE             the next line of the expected output
#   #= rate.dat TEXT    after the run, "rate.dat" holds exactly TEXT
#   #= ls NAME...       after the run, the directory holds just these names
#   run-trace.sh PROGRAM SCRIPT
set -euo pipefail
shopt -s nullglob
replay=$(realpath "$1")
script=$(realpath "$2")
sections=$(mktemp -d)
trap 'rm -rf "$sections"' EXIT
awk -v dir="$sections" '/^#--/ { n++ } { print > (dir "/" n + 0) }' "$script"

failed=0
for section in $(ls "$sections" | sort -n); do
  work=$sections/work-$section
  mkdir "$work"
  : >"$work/.expected"
  : >"$work/.checks"
  while IFS= read -r line; do
    case $line in
      '#! '*) (cd "$work" && eval "${line#'#! '}") ;;
      '#> '*) printf '%s\n' "${line#'#> '}" >>"$work/.expected" ;;
      '#= '*) printf '%s\n' "${line#'#= '}" >>"$work/.checks" ;;
    esac
  done <"$sections/$section"
  (cd "$work" && "$replay" <"$sections/$section" >"$work/.actual")
  diff -u "$work/.expected" "$work/.actual" || failed=1
  while IFS= read -r check; do
    case $check in
      'rate.dat '*) actual="rate.dat $(cat "$work/rate.dat" 2>/dev/null || echo '(none)')" ;;
      'ls'*) actual=$(cd "$work" && echo ls *) ;;
    esac
    [ "$actual" = "$check" ] || { echo "expected: $check"$'\n'"actual:   $actual"; failed=1; }
  done <"$work/.checks"
done
[ "$failed" -eq 0 ] || { echo "trace $script: differs (expected -, actual +)" >&2; exit 1; }
