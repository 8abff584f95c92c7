#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The mutation run: plants the one-line faults of tests/mutants.txt one at a
# time in a private copy of the working tree (as it is, committed or not),
# rebuilds incrementally, runs the fast suite (every test but those labelled
# package or slow) and reports each fault as killed or survived. The
# working tree itself is never touched.
#   tools/mutate.sh [PATTERN]   only the faults whose description or file
#                               matches the grep pattern
# tests/mutants.txt holds blocks separated by blank lines:
#   # what a user would see
#   FILE
#   -LINES AS THEY ARE (exactly, with their indentation; once in the file)
#   +THE SAME LINES WITH THE FAULT (a lone + deletes)
set -euo pipefail
cd "$(dirname "$0")/.."
pattern=${1:-}
work=$PWD/build/mutate
source=$work/source
build=$work/build

rm -rf "$source"
mkdir -p "$source"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$source" 2>/dev/null || true
# Without debug information: linking is most of a rebuild.
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
  -DQUIBRA_BENCH=OFF >/dev/null
suite() {
  ninja -C "$build" >"$work/build.log" 2>&1 || return 2
  (cd "$build" && ctest -LE "package|slow" -j"$(nproc)" --timeout 120 --stop-on-failure >"$work/test.log" 2>&1)
}
suite || { echo "the unmutated sources do not pass the fast suite: see $work"; exit 1; }

# Plants the fault of one block (on standard input) in the source copy;
# prints "FILE<TAB>WHAT", or fails when the lines are not there once.
plant() {
  perl -e '
    local $/; my $block = <STDIN>;
    my ($what) = $block =~ /^# (.*)$/m;
    my ($file) = $block =~ /^([^#+\-\n].*)$/m;
    my $from = join "", map { substr($_, 1) . "\n" } grep { /^-/ } split /\n/, $block;
    my $to = join "", map { substr($_, 1) . "\n" } grep { /^\+./ } split /\n/, $block;
    my $path = "$ARGV[0]/$file";
    open my $in, "<", $path or die "no $file\n"; my $text = <$in>; close $in;
    my $count = () = $text =~ /^\Q$from\E/mg;
    die "$file: the lines are not there once\n" unless $count == 1;
    $text =~ s/^\Q$from\E/$to/m;
    open my $out, ">", $path or die; print $out $text; close $out;
    print "$file\t$what\n";
  ' "$source"
}

killed=0 survived=0 broken=0 started=$SECONDS
count=$(grep -c '^# ' tests/mutants.txt)
for ((i = 1; i <= count; i++)); do
  block=$(awk -v RS= -v n="$i" 'NR == n' tests/mutants.txt)
  [ -z "$pattern" ] || grep -qE -- "$pattern" <<<"$block" || continue
  file=$(sed -n '2p' <<<"$block")
  cp -p "$source/$file" "$work/original"
  if ! planted=$(plant <<<"$block" 2>&1); then
    echo "STALE     $planted"
    broken=$((broken + 1))
    continue
  fi
  what=${planted#*$'\t'}
  status=0
  suite || status=$?
  cp "$work/original" "$source/$file"
  touch "$source/$file"
  case $status in
    0) echo "SURVIVED  $file: $what"; survived=$((survived + 1)) ;;
    2) echo "NO BUILD  $file: $what"; broken=$((broken + 1)) ;;
    *) by=$(sed -nE 's/.*Test +#[0-9]+: ([^ ]+) .*\*\*\*.*/\1/p' "$work/test.log" | head -1)
       echo "killed    $file: $what (by ${by:-?})"
       killed=$((killed + 1)) ;;
  esac
done
[ "$broken" -eq 0 ] || echo "faults that could not be planted or built: $broken"
echo "time: $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
echo "mutants: $killed killed, $survived survived"
