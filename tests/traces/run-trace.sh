#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a replay script through quibra-replay in a fresh working directory
# and compares its output with the expected lines in the script.
#
# In a script, "#> " lines hold the expected output, and a line
#   #! rate.dat TEXT
# starts the run with a "rate.dat" holding TEXT (no line end).
set -euo pipefail
replay=$1
script=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed -n 's/^#! rate\.dat \(.*\)$/\1/p' "$script" | while IFS= read -r rate; do
  printf '%s' "$rate" > "$work/rate.dat"
done
sed -n 's/^#> //p' "$script" > "$work/expected"

(cd "$work" && "$replay" < "$script" > "$work/actual")
if ! diff -u "$work/expected" "$work/actual"; then
  echo "trace $script: output differs (expected -, actual +)" >&2
  exit 1
fi
