#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package twice with tools/make-deb.sh, each time from a
# fresh copy of the working tree in a directory of its own, and checks it
# as a user gets it: the two builds byte for byte the same, lintian clean,
# the files it holds, its desktop entry and AppStream metainfo through their
# validators; then
# installed, its own tests (tests/autopkgtest: the program started by the menu
# entry's command) run by autopkgtest on this machine, and removed again.
#   package-test.sh SOURCE-DIRECTORY VERSION
set -euo pipefail
tree=$1 version=$2
work=$(mktemp -d)
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
trap '[ -z "${installed:-}" ] || $sudo dpkg --purge quibra >/dev/null 2>&1; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# It installs the package it built and removes it afterwards.
! dpkg-query -W -f='${Status}' quibra 2>/dev/null | grep -qx 'install ok installed' ||
  fail "quibra is installed: remove it first (dpkg --purge quibra)"

# The first with the source package and dh_auto_test, the second without
# the tests and from a deeper directory: neither the tests, nor the build's
# path, nor the file times may change what is packed.
"$tree/tools/make-deb.sh" --source "$work/a" >"$work/a.log" 2>&1 ||
  fail "tools/make-deb.sh --source: $(tail -40 "$work/a.log")"
DEB_BUILD_OPTIONS=nocheck "$tree/tools/make-deb.sh" "$work/b/b" >"$work/b.log" 2>&1 ||
  fail "tools/make-deb.sh: $(tail -40 "$work/b.log")"
deb=$work/a/quibra_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") made, only: $(ls "$work/a")"
diff <(cd "$work/a" && ls ./*.deb) <(cd "$work/b/b" && ls ./*.deb) >/dev/null ||
  fail "the two builds made different packages: $(ls "$work/a" "$work/b/b")"
for package in "$work"/a/*.deb; do
  cmp -s "$package" "$work/b/b/${package##*/}" ||
    fail "${package##*/} is not the same from two builds: not reproducible"
done
# Overrides are allowed, each with its reason in a comment.
report=$(lintian --fail-on error,warning "$work/a/quibra_${version}_amd64.changes" 2>/dev/null) ||
  fail "lintian:"$'\n'"$report"

expected=(usr/bin/quibra usr/bin/quibra-launcher usr/share/quibra/QuibraHelp.txt usr/share/quibra/QuibraHelp_en.txt
          usr/share/quibra/translations/quibra_en.qm usr/share/applications/quibra.desktop
          usr/share/metainfo/example.quibra.Quibra.metainfo.xml usr/share/icons/hicolor/scalable/apps/quibra.svg
          usr/share/man/man1/quibra.1.gz usr/share/man/man1/quibra-launcher.1.gz
          usr/share/doc/quibra/copyright usr/share/doc/quibra/changelog.gz
          usr/share/lintian/overrides/quibra)
for size in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x$size/apps/quibra.png"); done
diff -u <(printf '%s\n' "${expected[@]}" | sort) \
        <(dpkg-deb -c "$deb" | grep -v '^d' | sed 's|.* \./||' | sort) ||
  fail "the package holds other files than expected (+ unexpected, - missing)"

root=$work/root
dpkg-deb -x "$deb" "$root"
entry=$root/usr/share/applications/quibra.desktop
report=$(desktop-file-validate "$entry") && [ -z "$report" ] || fail "desktop-file-validate: $report"
# The metainfo, and across the files: named after its ID, its desktop entry there.
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  fail "$(appstreamcli validate-tree --no-net "$root")"

# autopkgtest installs the package and the tests' dependencies with apt;
# the null runner tests on this machine, as it is.
installed=yes
$sudo autopkgtest --summary="$work/summary" "$deb" "$tree" -- null >"$work/autopkgtest.log" 2>&1 ||
  fail "autopkgtest:"$'\n'"$(tail -40 "$work/autopkgtest.log")"
echo "$(basename "$deb"): ${#expected[@]} files, valid entry and metainfo; autopkgtest: $(tr -s ' \n' ' ' <"$work/summary")"
