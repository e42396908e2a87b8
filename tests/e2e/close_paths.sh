#!/usr/bin/env bash
# Every way of closing the real program ends it with status 0 and leaves every file as it was:
# the start page closed at once (after clicks beside its level group), the quiz window closed
# mid-round, the detail view closed (after it has been opened from each photograph and closed by
# a click), the result screen closed.
set -euo pipefail
shopt -s inherit_errexit
program=$(realpath "$1")

source "$(dirname "$0")/quiz.sh"
begin_run_test

# Succeeds when the middle of the window's client area has the colour of the photograph.
shows_photograph() { # window folder item
  local width height
  read -r width height < <(xdotool getwindowgeometry --shell "$1" |
    sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | paste -sd ' ')
  colour_near "$(pixel_at "$1" $((width / 2)) $((height / 2)))" "$(photo_colour "$2" "$3")"
}

# Clicks the photograph, checks the detail view shows it, and prints the detail view's id.
open_detail_view() { # quiz window, x, y, folder, item
  local detail
  click_at "$1" "$2" "$3"
  detail=$(wait_for_window "Detajl")
  wait_until shows_photograph "$detail" "$4" "$5"
  echo "$detail"
}

finish_run() {
  expect_exit_zero "$pid"
  expect_tree_unchanged "$work" "$before"
}

echo "-- the start page closed before the quiz was ever shown"
start_program "$program" "$work"
start=$(wait_for_window "Start page")
# The empty detail picture box peeks out beside the level group; a click there must not hide the
# only window on screen.
click_at "$start" 10 60
click_at "$start" 60 10
[[ -n "$(windows_named "Start page")" ]] || { echo "a click beside the level group hid the start page" >&2; exit 1; }
press "$start" alt+F4
finish_run

echo "-- the quiz window closed in the middle of a round"
start_program "$program" "$work"
quiz=$(open_quiz "$(wait_for_window "Start page")" "$ADVANCED_X" "$ADVANCED_Y")
answer "$quiz" "${SPECIES_NAMES[0]}"
wait_for_item_other_than "$quiz" 0 >/dev/null
press "$quiz" alt+F4
finish_run

echo "-- the detail view: opened from each photograph, closed by a click, then closed as a window"
start_program "$program" "$work"
quiz=$(open_quiz "$(wait_for_window "Start page")" "$BEGINNER_X" "$BEGINNER_Y")
detail=$(open_detail_view "$quiz" "$PHOTO0_X" "$PHOTO0_Y" 0 0)
click_at "$detail" 200 200
wait_for_no_window "Detajl"
[[ $(item_on_display "$quiz") == 0 ]] || { echo "the quiz did not come back to question 1" >&2; exit 1; }
detail=$(open_detail_view "$quiz" "$PHOTO2_X" "$PHOTO2_Y" 2 0)
press "$detail" alt+F4
finish_run

echo "-- the result screen closed"
start_program "$program" "$work"
quiz=$(open_quiz "$(wait_for_window "Start page")" "$ADVANCED_X" "$ADVANCED_Y")
result=$(play_right_round "$quiz")
press "$result" alt+F4
finish_run
echo "end-to-end close paths: passed"
