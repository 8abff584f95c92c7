#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a replay script through a replay program (quibra-replay, or the GUI
# tests' gui-replay) and compares its output, and the files it leaves, with
# what the script expects. A line "#--" starts a new section, which runs
# anew in a fresh working directory. Lines of a section besides its tokens:
#   #! COMMAND          a shell command that prepares the working directory
#   #@ nobody           run as the unprivileged user nobody (as root only:
#                       permissions do not hold for root)
#   #> LINE             the next line of the expected output
#   #= rate.dat TEXT    after the run, "rate.dat" holds exactly TEXT
#   #= ls NAME...       after the run, the directory holds just these names
#   #? COMMAND          after the run, a shell command that must succeed
#   run-trace.sh PROGRAM SCRIPT
set -euo pipefail
shopt -s nullglob
replay=$(realpath "$1")
script=$(realpath "$2")
sections=$(mktemp -d)
chmod 755 "$sections"
trap 'rm -rf "$sections"' EXIT
awk -v dir="$sections" '/^#--/ { n++ } { print > (dir "/" n + 0) }' "$script"

failed=0
for section in $(ls "$sections" | sort -n); do
  work=$sections/work-$section
  mkdir "$work"
  : >"$work/.expected"
  : >"$work/.checks"
  as=()
  while IFS= read -r line; do
    case $line in
      '#! '*) (cd "$work" && set +o pipefail && eval "${line#'#! '}") ;;
      '#@ nobody') [ "$(id -u)" -ne 0 ] || as=(setpriv --reuid=65534 --regid=65534 --clear-groups) ;;
      '#> '*) printf '%s\n' "${line#'#> '}" >>"$work/.expected" ;;
      '#= '* | '#? '*) printf '%s\n' "${line#'#'}" >>"$work/.checks" ;;
    esac
  done <"$sections/$section"
  (cd "$work" && "${as[@]}" "$replay" <"$sections/$section" >"$work/.actual")
  diff -u "$work/.expected" "$work/.actual" || failed=1
  while IFS= read -r check; do
    case $check in
      '= rate.dat '*) actual="= rate.dat $(cat "$work/rate.dat" 2>/dev/null || echo '(none)')" ;;
      '= ls'*) actual=$(cd "$work" && echo = ls *) ;;
      '? '*) actual=$(cd "$work" && eval "${check#'? '}" && echo "$check") ;;
    esac
    [ "$actual" = "$check" ] || { echo "expected: $check"$'\n'"actual:   $actual"; failed=1; }
  done <"$work/.checks"
done
[ "$failed" -eq 0 ] || { echo "trace $script: differs (expected -, actual +)" >&2; exit 1; }
