#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The program under the Orca screen reader, on a private X server, D-Bus
# session and accessibility bus, with speech going to a silent voice: what
# Orca would say is the "SPEECH OUTPUT" of its debug log. Expects: the
# display's new value after a conversion typed and one made by Tab and
# Ctrl+Enter, a waiting source unit's key said pressed and only then, the
# rate box read as Tab reaches it, a box's text after keys typed there; then
# the program's own end, by Esc, with status 0. In Japanese, or in English
# with LANGUAGE=en.
#   orca-test.sh PROGRAM [en]
set -u
if [ -z "${ORCA_TEST_INNER:-}" ]; then
  # In a PID namespace of its own where it may: Orca will not start beside
  # another Orca of the same user, and everything dies with the namespace.
  export ORCA_TEST_INNER=1
  run=(xvfb-run -a -s '-screen 0 800x600x24' dbus-run-session -- bash "$0" "$@")
  once() {
    if unshare -pf --mount-proc true 2>/dev/null; then
      unshare -pf --kill-child --mount-proc bash -c '"$@" & wait $!' bash "${run[@]}"
    else
      "${run[@]}"
    fi
  }
  # In a Debian 13 chroot, Orca 48 hears nothing at all in every second run,
  # as if something of the run before lingered: a failed run is tried once
  # more, and a fault fails both.
  once || { echo "(once more)"; once; }
  exit
fi
program=$(realpath "$1")
T=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$T"' EXIT
export HOME=$T XDG_CONFIG_HOME=$T/config XDG_DATA_HOME=$T/data XDG_CACHE_HOME=$T/cache \
  XDG_RUNTIME_DIR=$T/run GSETTINGS_BACKEND=memory QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE=${2:-}
log=$T/orca.log
mkdir -p -m 700 "$T/run" "$T/config/speech-dispatcher" "$T/data/orca" "$T/work"
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' 'AudioOutputMethod "alsa"' \
  'AudioALSADevice "null"' >"$T/config/speech-dispatcher/speechd.conf"
speech-dispatcher -s -t 0 -C "$T/config/speech-dispatcher" -L "$T" >/dev/null 2>&1 &
# Read by Orca as it starts: its log line by line, no braille, no sounds.
cat >"$T/data/orca/orca-customizations.py" <<'PY'
import orca.debug, orca.settings
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = False
orca.settings.enableSound = False
PY

said() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\([^']*\)'.*$/\1/p" "$log" | tail -n +"$from"; }
# Waits up to 30 s (a loaded machine) for Orca to say what the regular expression matches whole, in
# one utterance or in a run of them joined by spaces: Orca 42 says "notification
# 30.48." as one, Orca 48 as two.
heard() {
  local re="^($1)\$" s e joined lines
  for ((i = 0; i < 600; i++)); do
    mapfile -t lines < <(said)
    for ((s = 0; s < ${#lines[@]}; s++)); do
      joined=
      for ((e = s; e < ${#lines[@]}; e++)); do
        joined+="${joined:+ }${lines[e]}"
        [[ $joined =~ $re ]] && { from=$((from + ${#lines[@]})); return 0; }
      done
    done
    sleep 0.05
  done
  echo "FAIL: Orca did not say '$1'; it said:"; said | sed 's/^/  /'
  exit 1
}
keys() { xdotool key --delay 100 "$@"; }
phrase() { if [ "$LANGUAGE" = en ]; then echo "$2"; else echo "$1"; fi; } # JAPANESE ENGLISH

from=1
orca --debug-file "$log" >/dev/null 2>&1 &
for ((i = 0; i < 600; i++)); do grep -qE 'ORCA: Starting (registry|Atspi main event loop)' "$log" 2>/dev/null && break; sleep 0.05; done
(cd "$T/work" && exec "$program") >/dev/null 2>&1 &
converter=$!
# There is no window manager to give the window the focus.
timeout 20 xdotool search --sync --onlyvisible --name '^Unit Converter$' windowfocus --sync
heard "$(phrase 単位換算 'Unit Converter') dialog.*"
keys 1 0 0 c f
heard 'notification 212\.'
keys Delete 1 2 Tab Tab Tab Tab Tab Tab Tab Tab ctrl+Return
heard "notification $(phrase インチから換算 'Converting from inch')\.?"
keys shift+Tab Tab
heard "$(phrase インチ（押されています） 'inch \(pressed\)') (push )?button.*"
keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+Return
heard 'notification 30\.48\.?'
keys Tab Tab Tab Tab
heard "$(phrase インチ inch) (push )?button\."
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab
heard "$(phrase 為替レート（円） 'Exchange rate \(yen\)') read only text\."
keys 6 slash 0 equal
heard "$(phrase 0では割れません。 'Cannot divide by 0\.')"
# Closed from the keyboard, the box and then the window, the program ends by itself.
keys Return Escape
timeout 10 tail --pid="$converter" -f /dev/null
kill -0 "$converter" 2>/dev/null && { echo "FAIL: Esc did not close the window"; exit 1; }
wait "$converter" || { echo "FAIL: the program ended with status $?"; exit 1; }
echo "Orca spoke the results and the message; the program ended well"
