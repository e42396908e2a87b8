#!/usr/bin/env bash
# The real program under a virtual X server with a window manager, driven like a user would:
# the start page appears, Enter shows the quiz window, closing it ends the program with status 0;
# without photographs an error box titled with the program's name comes before the start page.
set -euo pipefail
program=$1
photographs=$2

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

start_display() {
  for number in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 0.5
    if kill -0 $! 2>/dev/null; then
      export DISPLAY=":$number"
      openbox >/dev/null 2>&1 &
      sleep 0.5
      return
    fi
  done
  echo "no free display" >&2
  exit 1
}

# Prints the id of the visible window whose title is exactly the name, waiting up to 20 s.
wait_for_window() {
  for _ in $(seq 200); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    if [[ -n "$id" ]]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "window '$1' did not appear" >&2
  return 1
}

press() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.3
  xdotool key --clearmodifiers "$2"
}

expect_exit_zero() {
  local status=0
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  wait "$1" || status=$?
  if [[ $status -ne 0 ]]; then echo "the program ended with status $status" >&2; exit 1; fi
}

start_display
program_name=$(basename "$program")
title="$(printf '%s' "${program_name:0:1}")$(printf '%s' "${program_name:1}" | tr '[:upper:]' '[:lower:]')"
title=${title%%.*}

echo "-- the start page, Enter, and closing the quiz window"
mkdir -p "$work/with" && cp -r "$photographs" "$work/with/obr"
(cd "$work/with" && exec "$program") &
pid=$!
start=$(wait_for_window "Start page")
press "$start" Return
quiz=$(wait_for_window "Zorvenka")
press "$quiz" alt+F4
expect_exit_zero "$pid"

echo "-- no photographs: the error box comes first"
mkdir -p "$work/without"
(cd "$work/without" && exec "$program") &
pid=$!
box=$(wait_for_window "$title")
if xdotool search --onlyvisible --name '^Start page$' >/dev/null 2>&1; then
  echo "the start page was shown before the error box" >&2
  exit 1
fi
press "$box" Return
start=$(wait_for_window "Start page")
press "$start" alt+F4
expect_exit_zero "$pid"
echo "end-to-end smoke: passed"
