#!/usr/bin/env bash
# Makes the Debian package from a build tree and checks it as a user gets
# it: the files it holds and its control fields, its desktop entry and
# AppStream metainfo through their validators, and then, unpacked into a
# throw-away root, the program started as the menu starts it (the entry's
# Exec line) on a virtual X server in an empty home. Expects the
# "Unit Converter" window from the unpacked program, the per-user directory
# with the help file as its working directory, and the program to end on Esc.
#   package-test.sh CPACK BUILD-DIRECTORY VERSION
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi
cpack=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$work/out/quibra_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") made, only: $(ls "$work/out")"

sizes=(16 22 24 32 48 64 128 256)
expected=(usr/bin/quibra usr/bin/quibra-launcher usr/share/quibra/QuibraHelp.txt
          usr/share/applications/quibra.desktop usr/share/metainfo/example.quibra.Quibra.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/quibra.svg)
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
grep -Eq '^Maintainer: .+ <.+@.+>$' <<<"$control" || fail "no maintainer:"$'\n'"$control"
grep -Eq '^Description: .+' <<<"$control" || fail "no description:"$'\n'"$control"

root=$work/root
dpkg-deb -x "$deb" "$root"
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
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "$(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml)"
# Across the files: the metainfo named after its ID, its desktop entry there.
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  fail "$(appstreamcli validate-tree --no-net "$root")"

exec_line=$(sed -n 's/^Exec=//p' "$entry")
home=$work/home
mkdir "$home"
(cd "$home" && exec env -u XDG_DATA_HOME HOME="$home" PATH="$root/usr/bin:$PATH" sh -c "exec $exec_line") &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Unit Converter$' | head -1) ||
  fail "no Unit Converter window from '$exec_line'"
directory=$home/.local/share/quibra
[ "$(readlink "/proc/$pid/exe")" = "$root/usr/bin/quibra" ] ||
  fail "'$exec_line' started $(readlink "/proc/$pid/exe"), not the unpacked program"
[ "$(readlink "/proc/$pid/cwd")" = "$directory" ] ||
  fail "the program runs in $(readlink "/proc/$pid/cwd"), not in $directory"
cmp "$root/usr/share/quibra/QuibraHelp.txt" "$directory/QuibraHelp.txt" ||
  fail "the launcher did not copy the help file into $directory"
# Docks match the window to its menu entry by this class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xprop -id "$window" WM_CLASS | grep -qF "\"$wm_class\"" ||
  fail "the window's $(xprop -id "$window" WM_CLASS) lacks the entry's StartupWMClass $wm_class"

# The press closes the window; there is no window left for the release.
xdotool keydown --window "$window" Escape
timeout 30 tail --pid="$pid" -f /dev/null || fail "the program did not end after Esc"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "$(basename "$deb"): ${#expected[@]} files, valid entry and metainfo, started from the menu's command and closed with Esc"
