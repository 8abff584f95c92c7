#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# quibra-replay as a command: arguments or standard input, and refused tokens.
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

# Unknown or malformed tokens: named on stderr, nothing run, status 2.
for token in key10 KEY1 char: char:-1 char:1x char:1114112 vkey:65536 vkey:+13 'char: 5' display paste:%4 paste:%G0 paste; do
  out=$("$replay" key1 "$token" key1 2>"$work/err")
  status=$?
  # The status, nothing on standard output, the token named on stderr.
  check "$token" "2||1" "$status|$out|$(grep -cF -- "$token" "$work/err")"
done

# Arguments and standard input give the same output; comments are skipped.
from_args=$("$replay" key1 key2 inchKey cmKey)
from_stdin=$(printf 'key1 key2 # a comment inchKey\n\tinchKey\n# cmKey\ncmKey' | "$replay")
check "arguments and standard input" "$from_args" "$from_stdin"
check "last line" $'cmKey\t30.48\t\t-' "$(tail -n 1 <<< "$from_args")"

exit $((failures > 0))
