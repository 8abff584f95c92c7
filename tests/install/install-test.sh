#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The launcher's working directory in an empty home: made, given a rate kept
# where earlier versions worked; a help file copied before there was a record
# follows an upgrade, and the session's language, an edited one does not,
# and nothing else of its name is read or replaced; an install into ~/.local
# overwrites nothing there (the first copy and an upgrade of it are the
# installed package's tests, tests/autopkgtest). The launcher is given /bin/pwd as the program, so the
# program it starts prints where it runs, at once.
#   install-test.sh SOURCE-DIRECTORY BUILD-DIRECTORY
set -euo pipefail
source=$1 build=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
help=$home/installed-help
# A copy of the launcher whose help file from before the record is $home/old-help (8 bytes).
printf 'old help' >"$home/old-help"
sed "s/^copied_before_records=.*/copied_before_records='$(sha256sum <"$home/old-help" | cut -d' ' -f1) 8'/" \
  "$source/res/quibra-launcher" >"$home/launcher"
launch() { timeout 1 env -u XDG_STATE_HOME -u XDG_DATA_HOME -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C HOME="$home" "$@" sh "$home/launcher" /bin/pwd "$help"; }
state=$home/.local/state/quibra earlier=$home/.local/share/quibra
shown() { [ "$(cat "$state/QuibraHelp.txt")" = "$1" ] || fail "$2: the help file holds $(cat "$state/QuibraHelp.txt")"; }

mkdir -p "$earlier"
printf '98.7' >"$earlier/rate.dat"
printf 'help 1' >"$help"
# A relative XDG_DATA_HOME counts as unset: the rate is still found.
[ "$(launch XDG_DATA_HOME=data)" = "$state" ] || fail "the program did not run in $state"
[ "$(cat "$state/rate.dat")" = 98.7 ] && [ ! -e "$earlier/rate.dat" ] || fail "the earlier rate was not moved"
cp "$home/old-help" "$state/QuibraHelp.txt"
rm "$state/.QuibraHelp.txt.copied"
launch >/dev/null
shown 'help 1' "an upgrade over a copy made before the record"
# The help of the session's language, which an edited copy outlasts too.
printf 'English help' >"${help}_en.txt" && launch LANGUAGE=de:en_GB >/dev/null
shown 'English help' "an English session after a Japanese one"
launch LANG=ja_JP.UTF-8 LANGUAGE=ja:en >/dev/null && shown 'help 1' "a Japanese session after an English one"
printf 'edited' >"$state/QuibraHelp.txt"
printf 'help 3' >"$help"
launch LANGUAGE=en >/dev/null
shown 'edited' "an upgrade over an edited copy"

printf '110.5' >"$earlier/rate.dat"
launch >/dev/null
cmake --install "$build" --prefix "$home/.local" >/dev/null
shown 'edited' "an install"
[ "$(cat "$state/rate.dat")" = 98.7 ] || fail "the rate was overwritten by an earlier one"
[ "$(ls "$state")" = "$(printf 'QuibraHelp.txt\nrate.dat')" ] || fail "the working directory holds $(ls "$state")"

status=0 && usage=$(sh "$home/launcher" one 2>&1) || status=$?
[ "$status $usage" = "2 usage: quibra-launcher [PROGRAM HELP-FILE]" ] || fail "one argument: $status $usage"
custom=$home/custom/quibra
[ "$(launch XDG_STATE_HOME="$home/custom")" = "$custom" ] || fail "XDG_STATE_HOME is not followed"
[ "$(launch XDG_STATE_HOME=custom)" = "$state" ] || fail "a relative XDG_STATE_HOME is followed"
# What the user made of the copy or its record (one that cannot be read
# among them) stays as it is over an upgrade, and the launcher says nothing.
# The copy is of an empty help file, so that a FIFO has its size.
for made in 'rm QuibraHelp.txt && mkfifo QuibraHelp.txt' 'truncate -s 64G QuibraHelp.txt' \
    'mv QuibraHelp.txt kept && ln -s kept QuibraHelp.txt' 'rm QuibraHelp.txt && ln -s gone QuibraHelp.txt' \
    'chmod a-w QuibraHelp.txt' 'rm .QuibraHelp.txt.copied && mkfifo .QuibraHelp.txt.copied' \
    'rm .QuibraHelp.txt.copied && truncate -s 64G .QuibraHelp.txt.copied' \
    'rm .QuibraHelp.txt.copied && ln -s /proc/self/mem .QuibraHelp.txt.copied'; do
  rm -rf "$custom" && : >"$help" && launch XDG_STATE_HOME="$home/custom" >/dev/null
  (cd "$custom" && eval "$made")
  before=$(ls -lA --time-style=full-iso "$custom") && printf 'help 4' >"$help"
  [ "$(launch XDG_STATE_HOME="$home/custom" 2>&1)" = "$custom" ] || fail "$made: the program did not start at once, or not silently"
  [ "$(ls -lA --time-style=full-iso "$custom")" = "$before" ] || fail "$made: the launcher changed $(ls -lA "$custom")"
done
echo "launcher and install leave the working directory to the user"
