#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the desktop program on a private Xvfb display (xvfb-run), on the real
# X11 platform, driven with xdotool as a person would drive it:
#   screenshot.png  the main window after 1 2 inch cm (shown in the README)
#   message.png     the message box of 1 ÷ 0 =
#   help.png        the help window, opened by a click on the icon
#   version.png     the version window, opened with "Version"
# There is no window manager, so the windows have no title bars.
#   tools/screenshots.sh [PROGRAM] [OUTPUT-DIRECTORY] [LANGUAGE]
# PROGRAM defaults to build/release/quibra, OUTPUT-DIRECTORY to docs. With a
# LANGUAGE of a translation (en), the windows are in that language, with its
# help, and OUTPUT-DIRECTORY defaults to docs/LANGUAGE.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/quibra}")
language=${3:-}
output=$(realpath "${2:-docs${language:+/$language}}")
mkdir -p "$output"

# Again on a private X server of xvfb-run's, which has no window manager.
if [ -z "${QUIBRA_PRIVATE_X:-}" ]; then
  exec env QUIBRA_PRIVATE_X=1 xvfb-run -a -s '-screen 0 800x600x24' "$0" "$program" "$output" "$language"
fi
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE=$language
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# The middle of a key in window pixels, from its row of the key table.
key_centre() {
  local row
  row=$(grep -F "\"$1\"" src/Keys.cpp)
  [[ $row =~ at\(([0-9]+),\ ([0-9]+)\) ]] || { echo "no key $1 in src/Keys.cpp" >&2; exit 1; }
  echo $(((BASH_REMATCH[1] + 10) * 3 / 2)) $(((BASH_REMATCH[2] + 6) * 3 / 2))
}
click() { # WINDOW X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
# Through the X server's input (XTEST) to the window under the pointer: a
# Return sent straight to the message box (XSendEvent) that its press closed
# reached the help window opened after it as well.
press() {
  xdotool mousemove --window "$1" 5 5 key "$2"
  sleep 0.3
}

printf '110.5' > "$work/rate.dat"
cp "res/QuibraHelp${language:+_$language}.txt" "$work/QuibraHelp.txt"
(cd "$work" && exec "$program") &
pid=$!
main=$(window_named '^Unit Converter$')

xdotool type --window "$main" --delay 50 12
click "$main" $(key_centre inchKey)
click "$main" $(key_centre cmKey)
import -window "$main" "$output/screenshot.png"

xdotool type --window "$main" --delay 50 '1/0='
box=$(window_named "^$(basename "$program")\$")
import -window "$box" "$output/message.png"
press "$box" Return

click "$main" 20 20
help=$(window_named '^About Quibra$')
import -window "$help" "$output/help.png"
# "Version" at 117, 145 (44 by 14 dialog units) in the help window.
click "$help" $(((117 + 22) * 3 / 2)) $(((145 + 7) * 3 / 2))
version=$(window_named 'Quibra.*(情報|Information)')
import -window "$version" "$output/version.png"
press "$version" Return

press "$main" Escape
wait "$pid"
echo "written: $output/{screenshot,message,help,version}.png"
