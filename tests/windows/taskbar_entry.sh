#!/usr/bin/env bash
# The Windows program in the taskbar, under Wine on a virtual X screen with openbox: Wine marks
# every window that Windows would give no taskbar button with _NET_WM_STATE_SKIP_TASKBAR.
# Through the start page, the intro, a question and its correction, the detail view, the result
# screen and an error box, exactly one window of the program is left unmarked: its entry,
# captioned with the application title and wearing the icon, which every other window of the
# program is transient for. Closing the entry while the error box is up loses nothing;
# minimised, it takes the quiz window along; activated, it brings the quiz window back, also
# when that alone was minimised; closed, it ends the program with status 0.
# With a folder given, a screenshot of Wine's own desktop with its taskbar is saved there.
# Usage: tests/windows/taskbar_entry.sh PROGRAM-FOLDER [folder for a screenshot]
set -euo pipefail
shopt -s inherit_errexit
folder=$(realpath "$1")
shots=${2:+$(mkdir -p "$2" && realpath "$2")}

source "$(dirname "$0")/../e2e/quiz.sh"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
start_display
source "$(dirname "$0")/wine-environment.sh"
make_wine_prefix "$work/wine"

title=$(application_title zorvenka.exe)
cp -r "$folder" "$work/program"

names_of() { # ids...
  local id
  for id in "$@"; do printf "'%s' " "$(xdotool getwindowname "$id")"; done
}

# The taskbar shows one window, captioned with the application title, and owns the others.
one_entry() { # stop [window]
  local shown window
  read -r -a shown <<<"$(taskbar_windows | tr '\n' ' ')"
  [[ ${#shown[@]} == 1 ]] || fail "$1: the taskbar shows ${#shown[@]} windows: $(names_of "${shown[@]}")"
  entry=${shown[0]}
  [[ $(xdotool getwindowname "$entry") == "$title" ]] ||
    fail "$1: the taskbar's one window is $(names_of "$entry"), not '$title'"
  xprop -id "$entry" _NET_WM_ICON | grep -q 'Icon (' || fail "$1: the taskbar entry has no icon"
  while read -r window _; do
    window=$((window))
    [[ $window == "$entry" || $(transient_for "$window") == "$entry" ]] ||
      fail "$1: $(names_of "$window") is not owned by the taskbar entry"
  done < <(wmctrl -l)
  echo "$1: one taskbar entry, '$title'"
}

echo "-- a round, with the detail view"
(cd "$work/program" && exec wine zorvenka.exe) &
pid=$!
play_tour_round one_entry

echo "-- an error box: the photographs are gone when the next round's second question comes"
press "$(first_window_named "Start page")" Return # "Znovu"
press "$(first_window_named "Start page")" Return # "OK"
quiz=$(wait_for_window "Zorvenka")
mv "$work/program/obr" "$work/obr"
press "$quiz" Return # nothing picked: a wrong answer
press "$quiz" Return # NEXT
box=$(wait_for_window "$title")
one_entry "error box"
wmctrl -i -c "$entry"
sleep 1
[[ $(windows_named "$title" | wc -l) == 1 ]] && ! process_ended "$pid" ||
  fail "closing the taskbar entry during the error box did not leave the box alone"
mv "$work/obr" "$work/program/obr"
press "$box" Return
wait_for_no_window "$title"

quiz_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$quiz" ]]; }
quiz_hidden() { ! windows_named "Zorvenka" | grep -qx "$quiz"; }
echo "-- minimised from the taskbar, the entry takes the quiz window along; activated, brings it back"
xdotool windowminimize "$entry"
wait_until quiz_hidden
wmctrl -i -a "$entry"
wait_until quiz_active
one_entry "program brought back"

echo "-- activated while the quiz window alone is minimised, the entry brings it back"
xdotool windowminimize --sync "$quiz"
wmctrl -i -a "$entry"
wait_until quiz_active
one_entry "quiz window brought back"

echo "-- closed, the entry ends the program"
wmctrl -i -c "$entry"
expect_exit_zero "$pid"

# Wine's own desktop, with the shell's taskbar drawn at its foot.
if [[ -n $shots ]]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null
  (cd "$work/program" && exec wine explorer /desktop=shell,1280x1000 zorvenka.exe) &
  desktop=$(wait_for_window "shell - Wine desktop")
  sleep 3
  screenshot "$desktop" "$shots/windows-taskbar.png"
fi
echo "taskbar entry under Wine: passed"
