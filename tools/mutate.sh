#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The mutation run: plants one fault at a time in a private copy of the
# working tree (as it is, committed or not), rebuilds incrementally, runs the
# tests the fault can reach and reports it as killed or survived. The
# working tree itself is never touched.
#   tools/mutate.sh [PATTERN]             the hand-written faults of
#                                         tests/mutants.txt (those whose block
#                                         matches the grep pattern)
#   tools/mutate.sh --faults FILE         the faults of FILE, such as the
#                                         survivors of a run before
#   tools/mutate.sh --generate [FILE...]  faults made from the sources, one
#                                         line each: a statement deleted, a
#                                         comparison, logical or arithmetic
#                                         operator swapped, an integer constant
#                                         off by one, a condition made true or
#                                         false; by default in the converter
#                                         (MUTATE_SAMPLE=N MUTATE_SEED=S: N of
#                                         them, drawn at random by seed S)
#   MUTATE_SANITIZE=1 tools/mutate.sh ...  built with the address and
#                                         undefined-behaviour sanitizers
# A fault is a block; blocks are separated by blank lines:
#   # what a user would see
#   FILE[@N]
#   -LINES AS THEY ARE (exactly, with their indentation; the Nth time they
#    stand in the file, or the only time)
#   +THE SAME LINES WITH THE FAULT (a lone + deletes)
# A generated fault that survives but stands in tests/mutants-equivalent.txt,
# whose blocks say why no user can ever tell it from the program, counts as
# equivalent. A kill is a test that failed; a fault whose only failing test
# ran out of time is a verdict of its own, "timeout", left with the
# survivors. The last line: mutants: K killed, E equivalent, S survived,
# T timed out.
set -euo pipefail
cd "$(dirname "$0")/.."
generate=false faults=
case ${1:-} in
  --generate) generate=true && shift ;;
  --faults) faults=$(realpath "$2") && shift 2 ;;
esac
work=$(realpath -m "${MUTATE_WORK:-build/mutate}") # absolute: the tests run in its copies
source=$work/source
build=$work/build
mkdir -p "$work"

if $generate; then
  [ $# -gt 0 ] || set -- src/core/*.cpp src/units/*.cpp src/currency/*.cpp src/QuibraDlg.cpp src/Keys.cpp
  perl -e '
    my @swaps = ([" == ", " != "], [" < ", " <= "], [" > ", " >= "], [" && ", " || "],
                 [" + ", " - "], [" * ", " / "], [" += ", " -= "], [" *= ", " /= "]);
    my %other = map { ($_->[0] => $_->[1], $_->[1] => $_->[0]) } @swaps;
    for my $file (@ARGV) {
      open my $in, "<", $file or die "no $file\n";
      my @lines = map { s/\n//r } <$in>;
      my %seen;
      my $previous = ";";
      for my $line (@lines) {
        my $nth = ++$seen{$line};
        my $count = grep { $_ eq $line } @lines;
        my $at = $count > 1 ? "$file\@$nth" : $file;
        my $fault = sub { print "# generated: $_[0]\n$at\n-$line\n+$_[1]\n\n" };
        my ($indent) = $line =~ /^(\s*)/;
        # The code alone: what strings and characters hold, and comments, blanked.
        (my $code = $line) =~ s/(["\x27])((?:\\.|(?!\1).)*)\1/$1 . " " x length($2) . $1/ge;
        $code =~ s{//.*}{" " x length($&)}e;
        next if $code =~ /^\s*(#|$)|static_assert/;
        my $change = sub { my ($from, $length, $with) = @_; substr(my $copy = $line, $from, $length) = $with; $copy };
        for my $operator (sort keys %other) {
          my $from = 0;
          while ((my $found = index($code, $operator, $from)) >= 0) {
            $fault->("operator $operator", $change->($found, length $operator, $other{$operator}));
            $from = $found + 1;
          }
        }
        while ($code =~ /(?<![\w.\x27])\d+(?![\w.\x27])/g) {
          next if substr($code, 0, $-[0]) =~ /[eE][+-]$/;
          $fault->("constant $& off by one", $change->($-[0], length $&, $& + 1));
        }
        if ($code =~ /^(\s*(?:\} )?(?:else )?)(if|while) (\((?:[^()]++|(?3))*\))(.*)$/ && ($4 eq "" || $4 eq " {")) {
          my ($head, $keyword, $condition) = ($1, $2, $3);
          for my $value ($keyword eq "if" ? ("true", "false") : ("false")) {
            $fault->("condition made $value", $change->(length($head) + length($keyword) + 1, length $condition, "($value)"));
          }
        }
        # A statement alone on its line: an assignment, a call, break or continue.
        if ($code =~ /^(\s*)(?:[\w.\[\]>*-]+ *(?:[-+*\/]?=|\+\+|--)|\+\+|--|[\w:.>-]+\(|break;|continue;)/
            && $code =~ /;\s*$/ && $code !~ /^\s*(return|case|const|constexpr|static|auto|using|[A-Z]\w*[&*]? \w)\b/
            && $previous =~ /[;{}:)]\s*$|^\s*(else|do)\s*$/) {
          $fault->("statement deleted", "$indent;");
        }
        $previous = $code;
      }
    }' "$@" >"$work/faults.txt"
  # A sample of them, the same for the same seed.
  if [ -n "${MUTATE_SAMPLE:-}" ]; then
    perl -e 'local $/ = ""; my @faults = <STDIN>; srand($ARGV[1]);
      my @order = map { [rand, $_] } 0 .. $#faults;
      my @picked = sort { $a <=> $b } map { $_->[1] } (sort { $a->[0] <=> $b->[0] } @order)[0 .. $ARGV[0] - 1];
      print @faults[grep { defined } @picked]' "$MUTATE_SAMPLE" "${MUTATE_SEED:-1}" \
      <"$work/faults.txt" >"$work/sample.txt"
    mv "$work/sample.txt" "$work/faults.txt"
  fi
elif [ -n "$faults" ]; then
  cp "$faults" "$work/faults.txt.new" && mv "$work/faults.txt.new" "$work/faults.txt"
else
  pattern=${1:-}
  perl -e 'local $/ = ""; while (<STDIN>) { s/\n*$/\n\n/; print if !length $ARGV[0] || /$ARGV[0]/ }' \
    "$pattern" <tests/mutants.txt >"$work/faults.txt"
fi

# Each worker (one a core) plants its share of the faults in a copy of its
# own. The window's tests run side by side: on the offscreen platform, and
# on a Weston of their own.
workers=$(nproc)
# MUTATE_SANITIZE=1: built and run as the asan preset is, for the faults
# that only read or write out of bounds, which only a sanitizer sees. Its
# flags, not the preset itself: the presets make warnings errors, and a
# planted fault often warns.
sanitize=()
if [ -n "${MUTATE_SANITIZE:-}" ]; then
  flags=-fsanitize=address,undefined
  sanitize=(-DCMAKE_CXX_FLAGS="$flags -fno-sanitize-recover=all -fno-omit-frame-pointer"
    -DCMAKE_EXE_LINKER_FLAGS=$flags -DCMAKE_SHARED_LINKER_FLAGS=$flags)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1
fi
prepare() { # WORKER
  local source=$work/source-$1 build=$work/build-$1
  rm -rf "$source"
  mkdir -p "$source"
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$source" 2>/dev/null || true
  # Without debug information: linking is most of a rebuild.
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DQUIBRA_BENCH=OFF -DQUIBRA_B2B_HISTORY="$PWD" "${sanitize[@]}" >/dev/null
  ninja -C "$build" >/dev/null
  # The baseline of the back-to-back run, built once.
  (cd "$build" && QUIBRA_B2B_SESSIONS=1 ctest -L b2b >/dev/null)
}
# The tests a fault can reach, fastest first: the converter's own (in one
# locale: the others run the same code), then the window's, the launcher's
# and the install's, and last the screen reader's. Those of the package
# (reuse and format among them) never run, nor the check that the
# translation file is lupdate's output: a kill is a test that failed as a
# user would see it.
# Status: 0 all passed, 1 a test failed, 2 no build, 3 no test failed but
# one ran out of time (the time-outs are run no more, the rest are).
run() { # WORKER TARGETS EXCLUDE CTEST-ARGUMENTS...
  local build=$work/build-$1 targets=$2 exclude=$3 slow='' name
  shift 3
  ninja -C "$build" $targets >"$build/mutant-build.log" 2>&1 || return 2
  while ! (cd "$build" && ctest "$@" ${exclude:+-E "$exclude"} --timeout "${timeout:-30}" \
    --stop-on-failure >"$build/mutant-test.log" 2>&1); do
    name=$(sed -nE 's/.*Test +#[0-9]+: ([^ ]+) .*\*\*\*Timeout.*/\1/p' "$build/mutant-test.log" | head -1)
    [ -n "$name" ] || return 1
    slow+=" $name"
    exclude="${exclude:+$exclude|}^${name//./\\.}\$"
  done
  echo "$slow" >"$build/mutant-timeouts.log"
  [ -z "$slow" ] || return 3
}
suite() { # WORKER FILE
  # The back-to-back run drives quibra-replay alone, which no file of the
  # window is part of; so the window's suite leaves it out.
  local window=(-LE 'core|package|b2b')
  case $2 in
    src/panel/* | src/HelpDlg* | src/Quibra.cpp | res/*) ;;
    *) run "$1" "quibra-replay core_tests" '\.(de_DE|fr_FR|ja_JP)' -L core || return
       # What the traces let through, a random session against the baseline
       # may show: the same sessions for every fault.
       QUIBRA_B2B_SESSIONS=${MUTATE_SESSIONS:-3000} QUIBRA_B2B_SEED=1 timeout=300 run "$1" "" "" -L b2b || return
       # The window shows what the converter tells its panel, which the
       # converter's tests see as well; it reads only the key table and
       # which unit waits besides.
       case $2 in src/Keys.cpp | src/units/UnitKeys.cpp) ;; *) return 0 ;; esac
       window=(-L gui -LE 'slow|wayland') ;;
  esac
  # Three starts on Wayland show what a fault does there; the twenty of the
  # suite are for a rare race at the exit.
  # The English trace types some 400 keys twice: a busy machine needs more
  # than the converter's 30 s.
  QUIBRA_WAYLAND_RUNS=3 timeout=120 run "$1" "" '\.de_DE|^translations$' "${window[@]}"
}

# Plants the fault of one block (on standard input) in a source copy, or
# fails when its lines are not there.
plant() { # SOURCE
  perl -e '
    local $/; my $block = <STDIN>;
    my ($file, $nth) = $block =~ /^([^#+\-\n][^@\n]*)(?:@(\d+))?$/m;
    my $from = join "", map { substr($_, 1) . "\n" } grep { /^-/ } split /\n/, $block;
    my $to = join "", map { substr($_, 1) . "\n" } grep { /^\+./ } split /\n/, $block;
    open my $in, "<", "$ARGV[0]/$file" or die "no $file\n"; my $text = <$in>; close $in;
    my @at; push @at, $-[0] while $text =~ /^\Q$from\E/mg;
    die "$file: the lines are not there once\n" unless $nth ? @at >= $nth : @at == 1;
    substr($text, $at[($nth || 1) - 1], length $from) = $to;
    open my $out, ">", "$ARGV[0]/$file" or die; print $out $text; close $out;
  ' "$1"
}

# The faults of tests/mutants-equivalent.txt, each as one line: FILE, the
# lines as they are and the faulty ones.
fault_key() { perl -e 'local $/ = ""; while (<STDIN>) { s/^#.*\n//mg; s/\n+$//; s/\n/\\n/g; print "$_\n" }'; }
fault_key <tests/mutants-equivalent.txt >"$work/equivalent.txt"

worker() { # WORKER: takes every workers-th fault, from the WORKER-th on
  local source=$work/source-$1 build=$work/build-$1 block file status where by
  for ((i = $1; i <= count; i += workers)); do
    block=$(awk -v RS= -v n="$i" 'NR == n' "$work/faults.txt")
    file=$(grep -m1 -v '^#' <<<"$block")
    where="$file: $(sed -n 's/^# //p' <<<"$block" | paste -sd ' '): $(sed -n 's/^- *//p' <<<"$block" | head -1) -> $(sed -n 's/^+ *//p' <<<"$block" | head -1)"
    file=${file%@*}
    cp -p "$source/$file" "$build/original"
    if ! plant "$source" <<<"$block" 2>/dev/null; then
      echo "stale	$where"
      continue
    fi
    status=0
    suite "$1" "$file" || status=$?
    cp "$build/original" "$source/$file"
    touch "$source/$file"
    case $status in
      0) if grep -qxF -- "$(fault_key <<<"$block")" "$work/equivalent.txt"; then
           echo "equivalent	$where"
         else
           echo "survived	$where"
           printf '%s\n\n' "$block" >>"$work/survivors-$1.txt"
         fi ;;
      2) echo "no build	$where" ;;
      3) echo "timeout	$where (by$(cat "$build/mutant-timeouts.log"))"
         printf '%s\n\n' "$block" >>"$work/survivors-$1.txt" ;;
      *) by=$(sed -nE 's/.*Test +#[0-9]+: ([^ ]+) .*\*\*\*.*/\1/p' "$build/mutant-test.log" | head -1)
         echo "killed	$where (by ${by:-?})" ;;
    esac
  done
}

started=$SECONDS
count=$(awk -v RS= 'END { print NR }' "$work/faults.txt")
rm -f "$work"/survivors-*.txt "$work"/results-*.txt
for ((w = 1; w <= workers; w++)); do prepare "$w" & done
wait
suite 1 src/Keys.cpp || { echo "the unmutated sources do not pass the tests: see $work"; exit 1; }
for ((w = 1; w <= workers; w++)); do
  worker "$w" | tee "$work/results-$w.txt" | grep -v '^killed' &
done
wait
cat "$work"/survivors-*.txt >"$work/survivors.txt" 2>/dev/null || true
tally() { cat "$work"/results-*.txt | grep -c "^$1	" || true; }
echo "time: $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s; survivors in $work/survivors.txt"
echo "faults that could not be planted: $(tally stale); that did not build: $(tally 'no build')"
echo "faults whose only failing test ran out of time (in the survivors): $(tally timeout)"
echo "mutants: $(tally killed) killed, $(tally equivalent) equivalent, $(tally survived) survived, $(tally timeout) timed out"
# A worker that stopped early must not pass for a clean run.
ran=$(cat "$work"/results-*.txt | wc -l)
[ "$ran" -eq "$count" ] || { echo "only $ran of the $count faults ran: see $work"; exit 1; }
