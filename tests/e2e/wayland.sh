#!/usr/bin/env bash
# On Wayland a window is linked to its desktop entry by the application id its toplevel sends:
# the real program, on Qt's Wayland platform against a headless Weston, must send "zorvenka" for
# every window. It runs under another file name, since Qt would otherwise fall back to the file
# name and pass without the program's own setting.
set -euo pipefail
program=$1
photographs=$2
qt_platforms=$3

skip=77
if ! command -v weston >/dev/null || ! compgen -G "$qt_platforms/libqwayland-*.so" >/dev/null; then
  echo "SKIP: needs Weston and Qt's Wayland platform (packages weston, qt6-wayland; scripts/setup-deps installs them)"
  exit $skip
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
# Weston and its clients keep their sockets in the runtime folder, which must be private.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The shared polling wait; nothing of the X server is started here.
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"

weston_log=$work/weston.log
weston --backend=headless-backend.so --shell=desktop-shell.so --socket=wayland-zorvenka --no-config \
  --log="$weston_log" &
# Weston listens on its socket before it loads the shell, so the shell's line in its log means
# that clients can connect.
if ! poll 100 grep -q "desktop-shell.so'" "$weston_log"; then
  echo "Weston did not start; its log:" >&2
  cat "$weston_log" >&2
  exit 1
fi

mkdir "$work/run"
ln -s "$photographs" "$work/run/obr"
cp "$program" "$work/run/quiz-under-test"
client_log=$work/client.log
(cd "$work/run" && WAYLAND_DISPLAY=wayland-zorvenka QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  exec ./quiz-under-test 2>"$client_log") &

toplevel_named() { grep -Eq 'xdg_toplevel@[0-9]+\.set_app_id\("zorvenka"\)' "$client_log"; }
if ! poll 100 toplevel_named; then
  echo "no window sent the application id \"zorvenka\"; the ids it sent:" >&2
  grep -E 'set_app_id|Could not|Failed' "$client_log" >&2 || true
  exit 1
fi
if grep -E 'set_app_id\(' "$client_log" | grep -v 'set_app_id("zorvenka")' >&2; then
  echo "a window sent another application id" >&2
  exit 1
fi
echo "Wayland application id: passed"
