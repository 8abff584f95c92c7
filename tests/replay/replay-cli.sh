#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# quibra-replay as a command: arguments or standard input, refused tokens,
# and the rate kept between runs in the working directory.
set -uo pipefail
replay=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
check() { # description, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
tab=$'\t'

# Unknown or malformed tokens: named on stderr, nothing run, status 2.
for token in key10 KEY1 char: char:-1 char:1x char:1114112 vkey:65536 vkey:+13 'char: 5' display paste:%4 paste:%G0 paste; do
  out=$("$replay" key1 "$token" key1 2>"$work/err")
  status=$?
  # The status, nothing on standard output, the token named on stderr.
  check "$token" "2||1" "$status|$out|$(grep -cF -- "$token" "$work/err")"
done
printf 'key1 key1 key0 pointKey key5 rateKey bogus\n' | "$replay" >/dev/null 2>&1
check "a refused script writes no rate" "" "$(cat rate.dat 2>/dev/null)"

# Arguments and standard input give the same output; comments are skipped.
from_args=$("$replay" key1 key2 inchKey cmKey)
from_stdin=$(printf 'key1 key2 # a comment inchKey\n\tinchKey\n# cmKey\ncmKey' | "$replay")
check "arguments and standard input" "$from_args" "$from_stdin"
check "last line" "cmKey${tab}30.48${tab}${tab}-" "$(tail -n 1 <<< "$from_args")"
check "no tokens" "start${tab}0.${tab}${tab}-" "$("$replay" < /dev/null)"

# A rate set in one run is in the rate box at the start of the next.
"$replay" key1 key1 key0 pointKey key5 rateKey > /dev/null
check "rate file" "110.5" "$(cat rate.dat)"
check "next start" "start${tab}0.${tab}110.5${tab}-" "$("$replay")"

exit $((failures > 0))
