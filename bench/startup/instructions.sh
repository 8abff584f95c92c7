#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of Quibra and of the floor counted in instructions, which unlike
# the wall clock repeat exactly from run to run: each starts under
# callgrind on the offscreen platform, shows its window, idles (counting
# nothing) and is stopped. Needs the release build of both and valgrind.
#   bench/startup/instructions.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '110.5' > "$work/rate.dat"
count() {
  (cd "$work" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work timeout -s TERM 30 \
     valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" >/dev/null 2>"$work/log" || true)
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/log"
}
program=$(count "$PWD/build/release/quibra")
floor=$(count "$PWD/build/release/bench/quibra-floor")
echo "instructions to the idle window: quibra $program, floor $floor"
awk -v p="$program" -v f="$floor" 'BEGIN { printf "instruction ratio quibra/floor: %.3f\n", p / f }'
