#!/usr/bin/env bash
# The Windows program as a user meets it, under Wine on a virtual X screen with openbox: the
# setup program installs it silently; started as its Start-menu entry starts it, it runs in the
# installed folder, where an advanced round is played with the keyboard alone (two answers
# typed wrong), Enter on the result screen brings back the level choice, and a photograph that
# has gone missing is reported in an error box with its Windows path and the system's text while
# the quiz goes on; "Konec" ends it with status 0. Then the uninstaller leaves nothing behind.
# Installed for one user (/CURRENTUSER), it goes to that user's programs folder with its entry
# under the user's own key, starts there, and its uninstaller leaves nothing behind either.
# The portable zip beside the setup program, unzipped elsewhere, starts there too. With a folder
# given, screenshots of both windows at 150 % are saved there.
# Usage: tests/windows/setup_program.sh Zorvenka-<version>-setup.exe [folder for screenshots]
set -euo pipefail
shopt -s inherit_errexit
setup=$(realpath "$1")
version=$(basename "$setup" -setup.exe)
version=${version#Zorvenka-}
portable=$(dirname "$setup")/Zorvenka-$version-portable.zip
shots=${2:+$(mkdir -p "$2" && realpath "$2")}

source "$(dirname "$0")/../e2e/quiz.sh"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
start_display 1920x1200 # the quiz window at 150 % is 1449 device pixels wide

source "$(dirname "$0")/wine-environment.sh"
make_wine_prefix "$work/wine"
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Zorvenka
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvenka'
# Wine writes its registry files and its own caches as it goes; every other file counts.
prefix_files() {
  (cd "$WINEPREFIX" && find . -type f ! -name '*.reg' ! -path './drive_c/users/*/Temp/*' | sort)
}
before_install=$(prefix_files)

echo "-- the setup program, silently"
wine "$setup" /S
wineserver --wait
[[ -f $installed/zorvenka.exe && -f $installed/obr/0/0.jpg && -f $installed/uninstall.exe ]] ||
  { echo "the program was not installed under Program Files" >&2; exit 1; }
start_menu_entry=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Zorvenka.lnk
[[ -f $start_menu_entry ]] || { echo "no Start-menu entry" >&2; exit 1; }
# The entry's working folder is the installation folder, where the program finds obr\.
strings -el "$start_menu_entry" | grep -qxF 'C:\Program Files\Zorvenka' ||
  { echo "the Start-menu entry does not start in the installation folder" >&2; exit 1; }
registered=$(wine reg query "$uninstall_key" | tr -d '\r')
for entry in "DisplayName    REG_SZ    Zorvenka" "DisplayVersion    REG_SZ    $version" \
  "Publisher    REG_SZ    The Zorvenka developers" 'DisplayIcon    REG_SZ    C:\Program Files\Zorvenka\zorvenka.exe,0' \
  'UninstallString    REG_SZ    "C:\Program Files\Zorvenka\uninstall.exe"'; do
  grep -qF "    $entry" <<<"$registered" || { echo "the installed programs lack: $entry" >&2; exit 1; }
done

# Starts the installed program in its folder, as its Start-menu entry does. Sets pid. (Wine's
# `start` would follow the entry itself, but does not hand back the program's exit status.)
start_installed() {
  (cd "$installed" && exec wine zorvenka.exe) &
  pid=$!
}

# Starts the program in the folder and closes its start page again.
starts_in() { # folder
  (cd "$1" && exec wine zorvenka.exe) &
  pid=$!
  start=$(wait_for_window "Start page")
  press "$start" alt+F4
  expect_exit_zero "$pid"
}

# The silent uninstall of the folder takes it away with the entry among the installed programs,
# and the prefix then holds no file it did not hold before the first install.
uninstall_leaves_nothing() { # folder key
  wine "$1/uninstall.exe" /S
  wineserver --wait
  wait_until bash -c "[[ ! -e '$1' ]]"
  ! wine reg query "$2" >/dev/null 2>&1 || { echo "the uninstaller left its registry key $2" >&2; exit 1; }
  left=$(comm -13 <(echo "$before_install") <(prefix_files))
  [[ -z $left ]] || { echo "files left behind:" >&2; echo "$left" >&2; exit 1; }
}

# The windows at 150 % (144 dots per inch), with the photographs as installed.
if [[ -n $shots ]]; then
  echo "-- screenshots at 150 %"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
  start_installed
  start=$(wait_for_window "Start page")
  sleep 1
  screenshot "$start" "$shots/windows-150-start-page.png"
  press "$start" Return
  quiz=$(wait_for_window "Zorvenka")
  sleep 6 # past the intro
  screenshot "$quiz" "$shots/windows-150-quiz.png"
  press "$quiz" alt+F4
  expect_exit_zero "$pid"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
fi

# Flat photographs in place of the installed ones, so that a pixel tells which grass is shown.
make_photographs "$work/flat"
cp "$work/flat/obr/0/"*.jpg "$installed/obr/0/"
cp "$work/flat/obr/2/"*.jpg "$installed/obr/2/"

# Types the answer into the focused edit, reads it back through the clipboard, and presses Enter.
answer_by_keyboard() { # window text
  local delay
  for delay in 40 100 200; do
    [[ $delay == 40 ]] || xdotool key --clearmodifiers ctrl+a BackSpace
    type_text "$1" "$2" "$delay"
    edit_holds "$1" "$2" && break
  done
  press "$1" Return
}

# The result line cannot be read off the screen as text, so it is recognised: of the lines a
# round can end with, the one whose drawing in the result font (Liberation Sans stands in for
# Arial, as under Wine) best matches the red pixels of the window.
red_mask() { # picture mask
  convert "$1" -fuzz 30% -fill white +opaque red -fill black -opaque red -trim +repage "$2"
}
read_result_line() { # window
  local shown=$work/shown.png drawn=$work/drawn.png size level mistakes text
  import -window "$1" "$work/window.png"
  red_mask "$work/window.png" "$shown"
  size=$(identify -format '%wx%h' "$shown")
  for level in "Začátečník" "Pokročilý"; do
    for mistakes in $(seq 0 13); do
      text="$level: Skore: $mistakes / 13"
      convert -size 600x60 xc:yellow -font Liberation-Sans-Bold-Italic -pointsize 21 -fill red \
        -annotate +4+36 "$text" "$work/line.png"
      red_mask "$work/line.png" "$drawn"
      convert "$drawn" -resize "$size!" "$drawn"
      echo "$(compare -metric RMSE "$shown" "$drawn" null: 2>&1 | cut -d' ' -f1) $text"
    done
  done | sort -g | head -n 1 | cut -d' ' -f2-
}

# The error box's text, as Qt's message box copies it with Ctrl+C on Windows: between lines of
# dashes, the title, the text and the buttons.
read_error_box() { # window
  activate "$1"
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  xclip -o -selection clipboard | tr -d '\r' | sed -n 4p
}

# The system's text for an error code, as the program shows it: trailing spaces, control
# characters and full stops cut off.
x86_64-w64-mingw32-gcc -municode -O2 -o "$work/system_text.exe" "$(dirname "$0")/system_text.c"
wine_system_text() { # code
  wine "$work/system_text.exe" "$1" | sed -e 's/[[:space:][:cntrl:].]*$//'
}

echo "-- an advanced round by keyboard, questions 4 and 9 answered wrong"
start_installed
start=$(wait_for_window "Start page")
press "$start" Down space Return
quiz=$(wait_for_window "Zorvenka")
wait_for_item_other_than "$quiz" -1 >/dev/null # the intro has gone
item=-1
for question in $(seq 13); do
  item=$(wait_for_item_other_than "$quiz" "$item")
  if [[ $question == 4 || $question == 9 ]]; then
    answer_by_keyboard "$quiz" "Tráva"
    wait_until correction_shown "$quiz"
    press "$quiz" Return # NEXT
  else
    answer_by_keyboard "$quiz" "${SPECIES_NAMES[item]}"
  fi
done
result=$(wait_for_window "Start page")
wait_for_no_window "Zorvenka"
result_line=$(read_result_line "$result")
[[ $result_line == "Pokročilý: Skore: 2 / 13" ]] ||
  { echo "the result line reads '$result_line'" >&2; exit 1; }

echo "-- Enter: the level choice again"
press "$result" Return
level_choice_shown() { colour_near "$(pixel_at "$result" 46 64)" "255 255 255"; } # a radio button
wait_until level_choice_shown

echo "-- a photograph gone missing: the error box, and the quiz goes on"
missing=5
rm "$installed/obr/0/$missing.jpg"
press "$result" Return # OK
wait_for_item_other_than "$quiz" -1 >/dev/null
box_title=$(application_title zorvenka.exe) # the quiz window is "Zorvenka", the box "zorvenka"
error_box_open() { first_window_named "$box_title" >/dev/null; }
error_box_closed() { ! error_box_open; }
went_on() { error_box_open || ! correction_shown "$quiz"; }
expected="Cannot open file \"C:\\Program Files\\Zorvenka\\obr\\0\\$missing.jpg\". $(wine_system_text 2)." # 2: not found
reported=no
# Every answer left empty: a correction, then NEXT, which goes on to the next question or opens
# the error box when the missing photograph's question comes. The photograph boxes may show the
# question before then, so the correction panel tells when the quiz has gone on.
for question in $(seq 12); do
  press "$quiz" Return
  wait_until correction_shown "$quiz"
  press "$quiz" Return
  wait_until went_on
  error_box_open || continue
  box=$(first_window_named "$box_title")
  message=$(read_error_box "$box")
  [[ $message == "$expected" ]] || { echo "the error box says '$message', not '$expected'" >&2; exit 1; }
  press "$box" Return
  wait_until error_box_closed
  reported=yes
done
press "$quiz" Return
wait_until correction_shown "$quiz"
press "$quiz" Return # the correction of question 13 goes on to the result screen
[[ $reported == yes ]] || { echo "no error box for the missing photograph" >&2; exit 1; }
result=$(wait_for_window "Start page")

echo "-- Konec"
press "$result" Tab Return
expect_exit_zero "$pid"
cp "$work/flat/obr/0/$missing.jpg" "$installed/obr/0/" # as installed, for the uninstaller

echo "-- the portable folder, unzipped elsewhere"
unzip -q "$portable" -d "$work/portable"
starts_in "$work/portable/Zorvenka-$version"

echo "-- the uninstaller, silently"
uninstall_leaves_nothing "$installed" "$uninstall_key"

echo "-- for this user alone, silently"
wine "$setup" /S /CURRENTUSER
wineserver --wait
own_folder="$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\Programs\Zorvenka"
own=$(winepath -u "$own_folder")
own_key=HKCU${uninstall_key#HKLM}
[[ -f $own/zorvenka.exe && -f $own/obr/0/0.jpg ]] || { echo "not installed in $own_folder" >&2; exit 1; }
! wine reg query "$uninstall_key" >/dev/null 2>&1 || { echo "an install for one user wrote the machine's entry" >&2; exit 1; }
registered=$(wine reg query "$own_key" | tr -d '\r')
for entry in "DisplayName    REG_SZ    Zorvenka" "DisplayVersion    REG_SZ    $version" \
  "InstallLocation    REG_SZ    $own_folder" "UninstallString    REG_SZ    \"$own_folder\\uninstall.exe\""; do
  grep -qF "    $entry" <<<"$registered" || { echo "the user's entry lacks: $entry" >&2; exit 1; }
done
starts_in "$own"
uninstall_leaves_nothing "$own" "$own_key"
echo "setup program under Wine: passed"
