#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Quibra and starts it in the user's own working directory
# ($XDG_STATE_HOME/quibra, by default ~/.local/state/quibra).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec res/quibra-launcher build/release/quibra res/QuibraHelp.txt
