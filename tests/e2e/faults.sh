#!/usr/bin/env bash
# The real program under a virtual X server while its photographs go bad mid-round: each fault
# gives an error box with its exact title and text (logged by the preloaded box logger), the quiz
# goes on, and once the photographs are back the next question loads without a box.
# faults.sh PROGRAM PHOTOGRAPHS BOX_LOGGER
set -euo pipefail
program=$1
photographs=$2
box_logger=$3

source "$(dirname "$0")/quiz.sh"
begin_test
# The logger comes before the sanitizer runtime in a sanitizer build.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
title=$(application_title "$program")
folder=$work/run
later_photographs=$(cd "$photographs" && ls [02]/*.jpg | grep -v '/0\.jpg$')

break_photographs() {
  local fault=$1 photo path
  for photo in $later_photographs; do
    path=$folder/obr/$photo
    rm -rf "$path"
    case $fault in
      deleted) ;;
      directory) mkdir "$path" ;;
      fifo) mkfifo "$path" ;;
      dev-zero) ln -s /dev/zero "$path" ;;
      bmp) convert -size 8x8 xc:green "bmp3:$path" ;;
      text) printf 'Lipnice luční\n' >"$path" ;;
      empty) : >"$path" ;;
      four-gigabytes) truncate -s 4G "$path" ;;
      cut-in-half) head -c $(($(stat -c %s "$photographs/$photo") / 2)) "$photographs/$photo" >"$path" ;;
    esac
  done
}

restore_photographs() {
  local photo
  for photo in $later_photographs; do
    rm -rf "$folder/obr/$photo"
    cp "$photographs/$photo" "$folder/obr/$photo"
  done
}

# Prints the id of a visible window titled like the program other than the quiz window; fails
# when there is none.
box_beside() { # quiz window
  local id
  for id in $(windows_named "$title"); do
    [[ $id != "$1" ]] && { echo "$id"; return 0; }
  done
  return 1
}

# The same, waiting up to the given tenths of a second for the box to come.
find_box() { # quiz window, tenths
  poll "$2" box_beside "$1"
}

# The title and text of the newest box, tab-separated.
last_box() {
  tail -n 1 "$work/boxes"
}

boxes_made() {
  if [[ -f $work/boxes ]]; then wc -l <"$work/boxes"; else echo 0; fi
}

# An empty answer is wrong; the second Enter goes on from the correction to the next question.
next_question() {
  press "$1" Return
  press "$1" Return
}

play() {
  local quiz pid fault expected box made
  rm -rf "$folder" && mkdir -p "$folder" && cp -r "$photographs" "$folder/obr"
  (cd "$folder" && ZORVENKA_BOX_LOG=$work/boxes LD_PRELOAD=$box_logger exec "$program") &
  pid=$!
  press "$(wait_for_window "Start page")" Return
  quiz=$(wait_for_window "Zorvenka")
  sleep 5.5 # the intro panel
  for fault in "$@"; do
    echo "-- photographs $fault"
    case $fault in
      deleted) expected='Cannot open file "'$folder'/obr/[02]/[0-9]+\.jpg"\. No such file or directory\.' ;;
      directory) expected='Cannot open file "'$folder'/obr/[02]/[0-9]+\.jpg"\. Is a directory\.' ;;
      four-gigabytes) expected='Cannot open file "'$folder'/obr/[02]/[0-9]+\.jpg"\. File too large\.' ;;
      fifo | dev-zero) expected='Cannot open file "'$folder'/obr/[02]/[0-9]+\.jpg"\. Invalid argument\.' ;;
      bmp | text) expected='JPEG error #53\.' ;;
      empty) expected='JPEG error #42\.' ;;
      cut-in-half) expected='' ;;
    esac
    break_photographs "$fault"
    made=$(boxes_made)
    next_question "$quiz"
    if [[ -z $expected ]]; then
      ! find_box "$quiz" 10 >/dev/null && [[ $(boxes_made) == "$made" ]] ||
        { echo "an error box for $fault photographs" >&2; return 1; }
    else
      # An empty photograph fails once in each picture box that shows it.
      box=$(find_box "$quiz" 100) || { echo "no error box for $fault photographs" >&2; return 1; }
      while [[ -n $box ]]; do
        [[ $(last_box) =~ ^$title$'\t'$expected$ ]] || { echo "error box: '$(last_box)'" >&2; return 1; }
        press "$box" Return
        made=$((made + 1))
        box=$(find_box "$quiz" 10 || true)
      done
      [[ $(boxes_made) == "$made" ]] || { echo "a box was made but not shown" >&2; return 1; }
    fi
    restore_photographs
    next_question "$quiz"
    ! find_box "$quiz" 10 >/dev/null && [[ $(boxes_made) == "$made" ]] ||
      { echo "an error box after the photographs were back" >&2; return 1; }
  done
  press "$quiz" alt+F4
  expect_exit_zero "$pid"
}

# Each fault and the question after it take two of the twelve questions after the first.
play deleted directory fifo dev-zero four-gigabytes
play bmp text empty cut-in-half
echo "end-to-end faults: passed"
