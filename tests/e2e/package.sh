#!/usr/bin/env bash
# The Debian package as Debian and a user meet it. lintian reports no error and no warning; the
# unpacked tree holds the program, its launcher, the photographs, the desktop entry, the icons,
# the AppStream metadata, the manual pages, the changelog and the copyright, and the package names
# its runtime dependencies; its check for teachers passes the packaged photographs. Then the
# unpacked launcher is started the two ways a user starts it: in a folder without obr/ it must
# start the program among the packaged photographs (no error box), in a folder with an obr/ of
# its own it must start the program there.
set -euo pipefail
shopt -s inherit_errexit
build=$(realpath "$1")
photographs=$(realpath "$2")

source "$(dirname "$0")/quiz.sh"
begin_test

echo "-- building the package; lintian"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >/dev/null
package=$(ls "$work"/cpack/zorvenka_*.deb)
if ! lintian --fail-on error,warning "$package" >"$work/lintian" 2>&1; then
  cat "$work/lintian" >&2
  fail "lintian reports errors or warnings"
fi
# A folder name with a space: the launcher must find its way from wherever it is.
root="$work/unpacked root"
dpkg -x "$package" "$root"

echo "-- runtime dependencies"
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libjpeg62-turbo fonts-liberation; do
  [[ ",$depends," =~ [,\ ]$needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done

echo "-- the tree"
[[ -x $root/usr/lib/zorvenka/zorvenka ]] || fail "no usr/lib/zorvenka/zorvenka"
[[ $(head -n 1 "$root/usr/bin/zorvenka") == '#!/bin/sh' ]] || fail "usr/bin/zorvenka is not the launcher"
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
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects the metadata"
unexpected=$(cd "$root" && find . -type f | grep -v -x -e './usr/bin/zorvenka' -e './usr/lib/zorvenka/zorvenka' \
  -e './usr/bin/zorvenka-check' -e './usr/share/man/man1/zorvenka-check.1.gz' \
  -e './usr/share/zorvenka/obr/[02]/[0-9]*\.jpg' -e './usr/share/applications/zorvenka.desktop' \
  -e './usr/share/icons/hicolor/.*' -e './usr/share/metainfo/.*' -e './usr/share/man/man6/zorvenka.6.gz' \
  -e './usr/share/doc/zorvenka/changelog.gz' -e './usr/share/doc/zorvenka/copyright' || true)
[[ -z $unexpected ]] || fail "files that do not belong: $unexpected"

echo "-- the check for teachers, on the packaged photographs"
"$root/usr/bin/zorvenka-check" "$root/usr/share/zorvenka" >"$work/check" ||
  { cat "$work/check" >&2; fail "zorvenka-check finds fault with the packaged photographs"; }
[[ $(tail -n 1 "$work/check") == "All 22 photographs will show." ]] || fail "zorvenka-check says: $(tail -n 1 "$work/check")"
zcat "$root/usr/share/man/man1/zorvenka-check.1.gz" | grep -q "/usr/share/zorvenka" ||
  fail "the manual page of zorvenka-check does not name the packaged photographs' folder"

echo "-- one release, the same in the package, its changelog and the metadata"
changelog=$(zcat "$root/usr/share/doc/zorvenka/changelog.gz")
version=$(dpkg-deb -f "$package" Version)
[[ $(dpkg-parsechangelog -l - -S Version <<<"$changelog") == "$version" ]] ||
  fail "the changelog's latest entry is not version $version"
released=$(date -u -d "$(dpkg-parsechangelog -l - -S Date <<<"$changelog")" +%F)
grep -q "<release version=\"$version\" date=\"$released\"/>" "$metainfo" ||
  fail "the metadata does not name release $version of $released"

echo "-- the launcher"
mkdir -p "$work/home" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
# Starts the unpacked launcher in the folder and waits for the start page; sets pid and start.
start_launcher() { # folder
  (cd "$1" && HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" \
    exec "$root/usr/bin/zorvenka") &
  pid=$!
  start=$(wait_for_window "Start page")
  [[ $(readlink "/proc/$pid/exe") == "$root/usr/lib/zorvenka/zorvenka" ]] ||
    fail "the launcher did not become the program"
}
# Fails unless the program runs in the folder; then closes it, which must end it with status 0.
expect_running_in() { # folder
  [[ $(readlink "/proc/$pid/cwd") == "$1" ]] || fail "the program runs in $(readlink "/proc/$pid/cwd"), not $1"
  press "$start" alt+F4
  expect_exit_zero "$pid"
}

mkdir "$work/no photographs here"
start_launcher "$work/no photographs here"
[[ -z "$(windows_named "$(application_title zorvenka)")" ]] || fail "the program reported an error"
expect_running_in "$root/usr/share/zorvenka"

teacher="$work/a teacher's photographs"
make_photographs "$teacher"
start_launcher "$teacher"
expect_running_in "$teacher"
echo "package: passed"
