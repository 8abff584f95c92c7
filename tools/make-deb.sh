#!/usr/bin/env bash
# Builds the optimised program and packs it as a Debian package:
# build/release/quibra_VERSION_amd64.deb, to install with
#   apt-get install ./build/release/quibra_*.deb
# What goes in and its control fields: cmake/Install.cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh package
cmake --preset release >/dev/null
# The program alone: the package holds nothing else that is built.
cmake --build --preset release --target quibra
cpack --config build/release/CPackConfig.cmake -B build/release
