#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Quibra and passes the whole test suite, once as a debug build and
# once under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
for preset in dev asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j"$(nproc)"
done
