#!/usr/bin/env bash
# A photograph that is missing, broken (not JPEG data) or empty gives an error box titled with
# the program's name, and the quiz goes on once it is dismissed. The head photograph of item 0 is
# the one spoilt: the quiz loads it while it starts (missing, broken) or paints it once the quiz
# window is shown (empty).
set -euo pipefail
shopt -s inherit_errexit
program=$(realpath "$1")

source "$(dirname "$0")/quiz.sh"
begin_run_test
spoilt=$work/run/obr/2/0.jpg
title=$(application_title "$program")

dismiss_error_box() {
  local box
  box=$(wait_for_window "$title")
  press "$box" Return
  wait_for_no_window "$title"
}

# Succeeds once the quiz shows an item other than 0, or an error box is up.
went_on_or_error_box() { # quiz window
  local item
  [[ -n "$(windows_named "$title")" ]] && return 0
  item=$(item_on_display "$1")
  [[ -n "$item" && "$item" != 0 ]]
}

# Question 1 shows the whole plant of item 0; a right answer goes on to question 2. When the
# spoilt photograph failed while the quiz started, question 1 was never recorded as asked, so the
# draw may pick item 0 again and the same error box comes back: each time it is dismissed and
# item 0 answered again.
expect_quiz_goes_on() { # quiz window
  local item
  for _ in $(seq 5); do
    item=$(wait_for_item_other_than "$1" -1)
    [[ $item == 0 ]] || { echo "question 1 showed item $item" >&2; return 1; }
    answer "$1" "${SPECIES_NAMES[0]}"
    wait_until went_on_or_error_box "$1"
    if [[ -z "$(windows_named "$title")" ]]; then
      press "$1" alt+F4
      expect_exit_zero "$pid"
      return 0
    fi
    dismiss_error_box
  done
  echo "item 0 came back five times" >&2
  return 1
}

# The error box comes while the quiz starts, before the start page.
check_error_at_start() {
  local before start quiz
  before=$(tree_of "$work")
  start_program "$program" "$work"
  wait_for_window "$title" >/dev/null
  [[ -z "$(windows_named "Start page")" ]] || { echo "the start page came before the error box" >&2; return 1; }
  dismiss_error_box
  start=$(wait_for_window "Start page")
  click_at "$start" "$ADVANCED_X" "$ADVANCED_Y"
  click_at "$start" "$OK_X" "$OK_Y"
  quiz=$(wait_for_window "Zorvenka")
  expect_quiz_goes_on "$quiz"
  expect_tree_unchanged "$work" "$before"
}

echo "-- a missing photograph"
rm "$spoilt"
check_error_at_start

echo "-- a broken photograph"
echo "not a photograph" >"$spoilt"
check_error_at_start

echo "-- an empty photograph: the error comes when it is first painted"
: >"$spoilt"
before=$(tree_of "$work")
start_program "$program" "$work"
start=$(wait_for_window "Start page")
[[ -z "$(windows_named "$title")" ]] || { echo "an error box came before the quiz was shown" >&2; exit 1; }
click_at "$start" "$ADVANCED_X" "$ADVANCED_Y"
click_at "$start" "$OK_X" "$OK_Y"
dismiss_error_box
expect_quiz_goes_on "$(wait_for_window "Zorvenka")"
expect_tree_unchanged "$work" "$before"
echo "end-to-end photographs: passed"
