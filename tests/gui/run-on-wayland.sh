#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts a headless Weston of its own (its own runtime directory and socket)
# and runs the program with the Wayland driver linked in (WaylandDriver.cpp)
# on it, RUNS times in a row (QUIBRA_WAYLAND_RUNS, or 20), each in an empty working
# directory. Every run must end by itself, with status 0, within 20 seconds.
# With QUIBRA_KIOSK set, Weston runs its kiosk shell instead of the desktop.
#   run-on-wayland.sh PATH-TO-DRIVEN-PROGRAM [RUNS]
set -euo pipefail
program=$(realpath "$1")
runs=${2:-${QUIBRA_WAYLAND_RUNS:-20}}
runtime=$(mktemp -d) work=$(mktemp -d) weston=
finish() {
  [ -z "$weston" ] || { kill "$weston"; wait "$weston"; } 2>/dev/null || true
  rm -rf "$runtime" "$work"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=quibra-test QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  ${QUIBRA_KIOSK:+--shell=kiosk-shell.so} >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do # until its socket is there or it has gone
  [ ! -S "$runtime/$WAYLAND_DISPLAY" ] && kill -0 "$weston" 2>/dev/null && sleep 0.1 || break
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }

for run in $(seq "$runs"); do
  (cd "$work" && timeout -k 5 20 "$program") >"$runtime/run.log" 2>&1 ||
    { echo "run $run: status $? (124 or 137: still running after 20 s)"; cat "$runtime/run.log"; exit 1; }
done
[ -z "$(ls -A "$work")" ] || { echo "the program wrote: $(ls -A "$work")"; exit 1; }
echo "$runs of $runs runs passed, nothing written"
