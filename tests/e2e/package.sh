#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root: the program, the photographs, the desktop
# entry that starts it in their folder, the icons and the AppStream metadata, and the runtime
# dependencies. Then the unpacked program is started from that folder the way the desktop entry
# would start it, and must find its photographs (no error box) and end with status 0.
set -euo pipefail
shopt -s inherit_errexit
build=$(realpath "$1")
photographs=$(realpath "$2")

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/quiz.sh"

fail() { echo "$*" >&2; exit 1; }

echo "-- building and unpacking the package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >/dev/null
package=$(ls "$work"/cpack/zorvenka_*.deb)
dpkg -x "$package" "$work/root"
root=$work/root

echo "-- runtime dependencies"
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libjpeg62-turbo fonts-liberation; do
  [[ ",$depends," =~ [,\ ]$needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done

echo "-- the tree"
[[ -x $root/usr/bin/zorvenka ]] || fail "no usr/bin/zorvenka"
for folder in 0 2; do
  diff -r "$photographs/$folder" "$root/usr/share/zorvenka/obr/$folder" || fail "obr/$folder differs"
done
entry=$root/usr/share/applications/zorvenka.desktop
desktop-file-validate "$entry"
grep -qx 'Path=/usr/share/zorvenka' "$entry" || fail "the desktop entry does not start in /usr/share/zorvenka"
grep -qx 'Exec=zorvenka' "$entry" || fail "the desktop entry does not run zorvenka"
grep -qx 'Icon=zorvenka' "$entry" || fail "the desktop entry names another icon"
[[ $(identify -format '%wx%h' "$root/usr/share/icons/hicolor/32x32/apps/zorvenka.png") == 32x32 ]] ||
  fail "the 32 x 32 icon is not 32 x 32"
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/zorvenka.svg" || fail "no scalable icon"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli rejects the metadata"
unexpected=$(cd "$root" && find . -type f | grep -v -e '^./usr/bin/zorvenka$' -e '^./usr/share/zorvenka/obr/' \
  -e '^./usr/share/applications/' -e '^./usr/share/icons/hicolor/' -e '^./usr/share/metainfo/' || true)
[[ -z $unexpected ]] || fail "files that do not belong: $unexpected"

echo "-- the unpacked program, started where the desktop entry starts it"
start_display
mkdir -m 700 "$work/runtime"
(cd "$root/usr/share/zorvenka" && XDG_RUNTIME_DIR="$work/runtime" exec "$root/usr/bin/zorvenka") &
pid=$!
start=$(wait_for_window "Start page")
[[ -z "$(windows_named "$(application_title zorvenka)")" ]] || fail "the unpacked program reported an error"
press "$start" alt+F4
expect_exit_zero "$pid"
echo "package: passed"
