#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package with dpkg-buildpackage from this working tree as
# it is: from a copy of the files git tracks or would add (committed or
# not), in OUTPUT/quibra-VERSION, so that the results land in OUTPUT and
# neither the tree nor its parent directory gets the build's leftovers.
#   tools/make-deb.sh [--source] [OUTPUT]     OUTPUT is build/deb by default
# Writes quibra_VERSION_amd64.deb (apt-get install ./build/deb/quibra_*.deb),
# its debug symbols (.ddeb), .buildinfo and .changes; with --source also the
# source package, quibra_VERSION.dsc and .tar.xz. DEB_BUILD_OPTIONS is passed
# on (nocheck: no tests), with parallel=2 unless it says otherwise.
set -euo pipefail
build_type=--build=binary
if [ "${1:-}" = --source ]; then
  build_type=--build=full
  shift
fi
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-build/deb}")
tools/install-deps.sh package
source=$output/quibra-$(dpkg-parsechangelog -S Version)
rm -rf "$source"
mkdir -p "$source"
# New times on extraction, as in a fresh clone: the package must not
# depend on them.
git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read --warning=no-failed-read -cf - |
  tar -x --touch -f - -C "$source"
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=2" ;;
esac
(cd "$source" && dpkg-buildpackage "$build_type" -us -uc)
rm -rf "$source"
