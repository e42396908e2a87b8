#!/usr/bin/env bash
# The real program under a virtual X server with a window manager, driven like a user would:
# the start page appears, Enter shows the quiz window, closing it ends the program with status 0;
# without photographs an error box titled with the program's name comes before the start page.
set -euo pipefail
program=$1
photographs=$2

source "$(dirname "$0")/quiz.sh"
begin_test
title=$(application_title "$program")

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
