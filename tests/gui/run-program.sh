#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the desktop program on a virtual X server (xvfb-run) in an empty
# working directory: types 1 2 c into it, closes it with Esc, and expects
# it to end by itself with status 0 and to have written nothing.
#   run-program.sh PATH-TO-QUIBRA
set -euo pipefail
program=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$program"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$program" &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Unit Converter$' | head -1)
xdotool type --window "$window" --delay 50 '12c'
# The press closes the window; there is no window left for the release.
xdotool keydown --window "$window" Escape
status=0
timeout 30 tail --pid="$pid" -f /dev/null || { echo "the program did not end after Esc"; kill "$pid"; exit 1; }
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
[ -z "$(ls -A "$work")" ] || { echo "the program wrote: $(ls -A "$work")"; exit 1; }
echo "started, typed into, closed with Esc: status 0, nothing written"
