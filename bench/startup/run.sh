#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of Quibra against the floor, a bare Qt
# dialog of the same shape. Both run on a private Xvfb display (xvfb-run)
# without a window manager, on the xcb platform, alternately, RUNS times each.
#
#   bench/startup/run.sh [RUNS]      (default 15)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}

# Set up, then run again on a private X server of xvfb-run's, which has no
# window manager.
if [ -z "${QUIBRA_PRIVATE_X:-}" ]; then
  tools/install-deps.sh bench
  cmake --preset release >/dev/null
  cmake --build --preset release --target quibra quibra-floor >/dev/null
  exec env QUIBRA_PRIVATE_X=1 xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/maptime" bench/startup/maptime.c -lX11

# The program as a user runs it: in its working directory, with a rate.
mkdir "$work/home"
printf '110.5' > "$work/home/rate.dat"
cp res/QuibraHelp.txt "$work/home/" 2>/dev/null || true
program=$PWD/build/release/quibra
floor=$PWD/build/release/bench/quibra-floor

mkdir -m 700 "$work/runtime"
measure() { (cd "$work/home" && QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime "$work/maptime" "Unit Converter" "$1"); }
measure "$program" >/dev/null # warm the caches for both
measure "$floor" >/dev/null

: > "$work/results"
for i in $(seq "$runs"); do
  read -r pt pm < <(measure "$program")
  read -r ft fm < <(measure "$floor")
  echo "$pt $pm $ft $fm" >> "$work/results"
done

awk -v runs="$runs" '
function median(a, n,   i, j, t) {
  for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
function spread(a, n,   i, lo, hi) { lo = a[1]; hi = a[1]; for (i = 2; i <= n; i++) { if (a[i] < lo) lo = a[i]; if (a[i] > hi) hi = a[i] } return sprintf("%.1f-%.1f", lo, hi) }
{ pt[NR] = $1; pm[NR] = $2 / 1024; ft[NR] = $3; fm[NR] = $4 / 1024; tr[NR] = $1 / $3; mr[NR] = $2 / $4 }
END {
  printf "%-9s %14s %12s %14s %12s\n", "", "map ms", "spread", "peak MiB", "spread"
  printf "%-9s %14.1f %12s %14.1f %12s\n", "quibra", median(pt, NR), spread(pt, NR), median(pm, NR), spread(pm, NR)
  printf "%-9s %14.1f %12s %14.1f %12s\n", "floor", median(ft, NR), spread(ft, NR), median(fm, NR), spread(fm, NR)
  printf "start-up ratio quibra/floor: %.3f (median of %d alternate pairs, spread %s)\n", median(tr, NR), NR, spread(tr, NR)
  printf "memory ratio quibra/floor:   %.3f (median of %d alternate pairs, spread %s)\n", median(mr, NR), NR, spread(mr, NR)
}' "$work/results"
