#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, running or testing Quibra
# needs, when they are missing, and the locales that the tests run under.
#   tools/install-deps.sh run      what building and running the program needs
#   tools/install-deps.sh package  that, and what making its Debian package needs
#   tools/install-deps.sh test     that, and what the test suite needs
#   tools/install-deps.sh bench    the run packages, and what bench/startup needs
set -euo pipefail

run_packages=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-ipafont-gothic fonts-comic-neue
              qt6-base-private-dev pkgconf libwayland-dev wayland-protocols
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
package_packages=(build-essential dpkg-dev debhelper libgtest-dev)
test_packages=(git libgtest-dev libbenchmark-dev locales xvfb xauth x11-utils xdotool imagemagick
               desktop-file-utils appstream
               lintian reuse autopkgtest python3 clang-format xsel
               orca speech-dispatcher python3-pyatspi at-spi2-core dbus-daemon
               weston qt6-wayland)
bench_packages=(libbenchmark-dev xvfb xauth x11-utils libx11-dev gcc valgrind)
test_locales=(de_DE.UTF-8 fr_FR.UTF-8 ja_JP.UTF-8 en_US.UTF-8)

packages=("${run_packages[@]}")
case "${1:-run}" in
  package) packages+=("${package_packages[@]}") ;;
  test) packages+=("${package_packages[@]}" "${test_packages[@]}") ;;
  bench) packages+=("${bench_packages[@]}") ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-run}" = test ]; then
  generate=false
  for name in "${test_locales[@]}"; do
    short=$(echo "${name%.UTF-8}.utf8")
    if ! locale -a 2>/dev/null | grep -qx "$short"; then
      as_root sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
      grep -q "^${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
      generate=true
    fi
  done
  if $generate; then as_root locale-gen >/dev/null; fi
fi
