#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package twice with tools/make-deb.sh, each time from a
# fresh copy of the working tree in a directory of its own, and checks it
# as a user gets it: the two builds byte for byte the same, lintian clean,
# the program hardened, the files it holds and its control fields, its
# desktop entry and AppStream metainfo through their validators; then
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

sizes=(16 22 24 32 48 64 128 256)
expected=(usr/bin/quibra usr/bin/quibra-launcher usr/share/quibra/QuibraHelp.txt
          usr/share/applications/quibra.desktop usr/share/metainfo/example.quibra.Quibra.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/quibra.svg
          usr/share/man/man1/quibra.1.gz usr/share/man/man1/quibra-launcher.1.gz
          usr/share/doc/quibra/copyright usr/share/doc/quibra/changelog.gz
          usr/share/lintian/overrides/quibra)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/quibra.png")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) \
        <(dpkg-deb -c "$deb" | grep -v '^d' | sed 's|.* \./||' | sort) ||
  fail "the package holds other files than expected (+ unexpected, - missing)"

control=$(dpkg-deb -f "$deb")
for field in "Package: quibra" "Version: $version" "Architecture: amd64" "Section: utils" \
             "Recommends: fonts-ipafont-gothic, fonts-comic-neue, qt6-wayland"; do
  grep -qxF "$field" <<<"$control" || fail "no '$field' in the control file:"$'\n'"$control"
done
# Computed from the program's libraries, so the Qt it links is named.
grep -Eq '^Depends: .*libqt6widgets6.*' <<<"$control" || fail "Depends lacks Qt:"$'\n'"$control"

root=$work/root
dpkg-deb -x "$deb" "$root"
hardening=$(hardening-check "$root/usr/bin/quibra") || true
for feature in "Position Independent Executable" "Stack protected" \
               "Read-only relocations" "Immediate binding"; do
  grep -q "^ $feature: yes" <<<"$hardening" || fail "hardening-check: $hardening"
done
# hardening-check sees only the checked calls the compiler had to keep; where
# it proved every buffer large enough there are none, so the compile lines
# show that each source was built optimised with _FORTIFY_SOURCE at level 3.
compiles=$(grep -E ' -c \S*/src/\S+\.cpp$' "$work/a.log") || fail "no compile lines in the build log"
unfortified=$(grep -vE -- ' -O2 .*-D_FORTIFY_SOURCE=3 ' <<<"$compiles") &&
  fail "built without _FORTIFY_SOURCE=3:"$'\n'"$unfortified"
# The version of debian/changelog, as CMake read it, with its date in the
# metainfo.
date=$(date -u -d "$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Date)" +%F)
grep -qF "<release version=\"$version\" date=\"$date\"/>" "$root"/usr/share/metainfo/*.metainfo.xml ||
  fail "the metainfo has no release $version of $date"
# Every PNG is the SVG's image (tools/make-icons.sh renders them), none left
# behind after an edit of the drawing.
icons=$root/usr/share/icons/hicolor
for size in "${sizes[@]}"; do
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/quibra.svg" |
    compare -metric AE -fuzz 2% - "$icons/${size}x$size/apps/quibra.png" null: 2>/dev/null ||
    fail "the ${size}x$size icon is not the SVG's image: run tools/make-icons.sh"
done

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
