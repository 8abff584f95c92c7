#!/usr/bin/env bash
# Start-up time and peak memory of Quibra against the floor, a bare Qt
# dialog of the same shape. Both run on a private Xvfb display without a
# window manager, on the xcb platform, alternately, RUNS times each.
#
#   bench/startup/run.sh [RUNS]      (default 15)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}

tools/install-deps.sh run
for package in xvfb xauth libx11-dev gcc; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing="${missing:-} $package"
done
if [ -n "${missing:-}" ]; then
  if [ "$(id -u)" -eq 0 ]; then apt-get update -qq && apt-get install -y -qq $missing
  else sudo apt-get update -qq && sudo apt-get install -y -qq $missing; fi
fi

cmake --preset release >/dev/null
cmake --build --preset release --target quibra quibra-floor >/dev/null
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cc -O2 -o "$work/maptime" bench/startup/maptime.c -lX11

# Xvfb picks a free display itself and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(head -n 1 "$work/display")

# The program as a user runs it: in its working directory, with a rate.
mkdir "$work/home"
printf '110.5' > "$work/home/rate.dat"
cp res/QuibraHelp.txt "$work/home/" 2>/dev/null || true
program=$PWD/build/release/quibra
floor=$PWD/build/release/bench/quibra-floor

mkdir -m 700 "$work/runtime"
measure() { (cd "$work/home" && DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime "$work/maptime" "Unit Converter" "$1"); }
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
