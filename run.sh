#!/usr/bin/env bash
# Builds Quibra and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
echo "Type key tokens (key1 key2 inchKey cmKey ...), then Ctrl+D." >&2
exec build/release/quibra-replay
