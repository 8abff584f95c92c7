#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings each translations/quibra_LANG.ts up to the texts of the sources (the
# Japanese texts are the source texts): a text that is new or changed comes
# in untranslated, one that is gone goes. Then translate it, with Qt
# Linguist (linguist) or in any editor.
#   tools/update-translations.sh           updates the .ts files
#   tools/update-translations.sh --check   changes nothing; fails when a .ts
#                                          file is not what the update makes
#                                          of it, or holds a text without
#                                          its translation
# Without line numbers, so that only a change of a text changes the files.
# The converter, which has no Qt, marks its texts with translatable()
# (src/Translatable.h), which lupdate takes for QT_TRANSLATE_NOOP.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
update() {
  "$lupdate" -silent -locations none -no-obsolete -source-language ja \
    -tr-function-alias QT_TRANSLATE_NOOP+=translatable src -ts "$@"
}
if [ "${1:-}" != --check ]; then
  update translations/*.ts
  exit
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/*.ts; do
  cp "$ts" "$work/"
  update "$work/${ts##*/}" >/dev/null
  diff -u "$ts" "$work/${ts##*/}" ||
    { echo "$ts: not up to the sources' texts; run tools/update-translations.sh" && status=1; }
  ! grep -nE 'type="unfinished"|<translation( [^>]*)?(/>|></translation>)' "$ts" ||
    { echo "$ts: texts without a translation" && status=1; }
done
exit $status
