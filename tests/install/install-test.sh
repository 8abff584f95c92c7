#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The launcher's working directory in an empty home: made, given the help
# file, and given a rate kept where earlier versions worked; what the user
# keeps there is never overwritten, by the launcher or by an install into
# ~/.local. The launcher is given /bin/pwd as the program, so the program
# it starts prints where it runs.
#   install-test.sh SOURCE-DIRECTORY BUILD-DIRECTORY
set -euo pipefail
source=$1 build=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
launch() { env -u XDG_STATE_HOME -u XDG_DATA_HOME HOME="$home" "$@" "$source/res/quibra-launcher" /bin/pwd "$source/res/QuibraHelp.txt"; }
state=$home/.local/state/quibra earlier=$home/.local/share/quibra

mkdir -p "$earlier"
printf '98.7' >"$earlier/rate.dat"
[ "$(launch)" = "$state" ] || fail "the program ran in $(launch), not in $state"
cmp -s "$source/res/QuibraHelp.txt" "$state/QuibraHelp.txt" || fail "no help file copied in"
[ "$(cat "$state/rate.dat")" = 98.7 ] && [ ! -e "$earlier/rate.dat" ] || fail "the earlier rate was not moved"

printf 'edited' >"$state/QuibraHelp.txt"
printf '110.5' >"$earlier/rate.dat"
launch >/dev/null
cmake --install "$build" --prefix "$home/.local" >/dev/null
[ "$(cat "$state/QuibraHelp.txt")" = edited ] || fail "the user's help file was overwritten"
[ "$(cat "$state/rate.dat")" = 98.7 ] || fail "the rate was overwritten by an earlier one"
[ -x "$home/.local/bin/quibra" ] || fail "the install put no program into the prefix"
[ "$(ls "$state")" = "$(printf 'QuibraHelp.txt\nrate.dat')" ] || fail "the working directory holds $(ls "$state")"

custom=$home/custom
[ "$(launch XDG_STATE_HOME="$custom")" = "$custom/quibra" ] || fail "XDG_STATE_HOME is not followed"
echo "launcher and install leave the working directory to the user"
