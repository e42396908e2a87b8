#!/usr/bin/env bash
# Two rounds of the real program, typed and clicked like a user would: a perfect round at the
# advanced level, "Znovu", the beginner level and "OK", a round with every answer wrong, "Konec".
# The program must end with status 0 and leave every file as it was.
set -euo pipefail
shopt -s inherit_errexit
program=$(realpath "$1")

source "$(dirname "$0")/quiz.sh"
begin_run_test
start_program "$program" "$work"

echo "-- a perfect round at the advanced level"
start=$(wait_for_window "Start page")
quiz=$(open_quiz "$start" "$ADVANCED_X" "$ADVANCED_Y")
result=$(play_right_round "$quiz")
wait_for_no_window "Zorvenka"

echo "-- Znovu, the beginner level, OK: question 1 of a new round"
click_at "$result" "$AGAIN_X" "$AGAIN_Y"
quiz=$(open_quiz "$result" "$BEGINNER_X" "$BEGINNER_Y")
[[ $(item_on_display "$quiz") == 0 ]] || { echo "the new round did not start with item 0" >&2; exit 1; }

echo "-- every answer wrong: a correction after each, then NEXT"
item=-1
for question in $(seq 13); do
  item=$(wait_for_item_other_than "$quiz" "$item")
  press "$quiz" Return # nothing picked
  wait_until correction_shown "$quiz"
  [[ $question == 13 ]] || press "$quiz" Return
done
press "$quiz" Return # the correction of question 13 goes on to the result screen
result=$(wait_for_window "Start page")
wait_for_no_window "Zorvenka"

echo "-- Konec"
click_at "$result" "$END_X" "$END_Y"
expect_exit_zero "$pid"
expect_tree_unchanged "$work" "$before"
echo "end-to-end rounds: passed"
