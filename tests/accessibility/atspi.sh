#!/usr/bin/env bash
# The real program as a screen reader meets it, on a virtual X server with the desktop's
# accessibility bus: a round at the beginner level played by keyboard, every answer wrong, with a
# look at the detail view on the way. At each step the tree read over AT-SPI must be the one of
# trees.txt, every node that can take the focus must have a role and a name, and the correction
# and the result must be announced as they appear.
set -euo pipefail
shopt -s inherit_errexit
here=$(dirname "$(realpath "$0")")

# A session bus of its own, and with it an accessibility bus in a runtime folder of its own.
if [[ -z "${ZORVENKA_OWN_BUS:-}" ]]; then
  runtime=$(mktemp -d)
  status=0
  XDG_RUNTIME_DIR=$runtime ZORVENKA_OWN_BUS=1 dbus-run-session -- bash "$0" "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
fi
program=$(realpath "$1")
source "$here/../e2e/quiz.sh"

atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }

expected_tree() { # step
  awk -v step="[$1]" '/^\[/ { in_step = ($0 == step); next } in_step && NF && !/^#/' "$here/trees.txt"
}

tree_is() { # step
  [[ "$(atspi tree 2>/dev/null)" == "$(expected_tree "$1")" ]]
}

# Waits up to 20 s for the tree of the step.
expect_tree() { # step
  poll 200 tree_is "$1" && return 0
  echo "the tree at '$1' is not as expected:" >&2
  diff <(expected_tree "$1") <(atspi tree) >&2 || true
  return 1
}

announced() { # panel name as atspi.py prints it
  grep -qxF "name-changed panel \"$1\"" "$work/events"
}

expect_announced() { # panel name
  wait_until announced "$1" || { echo "not announced: $1; heard:" >&2; cat "$work/events" >&2; return 1; }
}

begin_run_test
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program" "$work"
/usr/bin/python3 "$here/atspi.py" events >"$work/events" &
wait_until grep -q listening "$work/events"

echo "-- the level choice"
start=$(wait_for_window "Start page")
expect_tree "level choice"

echo "-- OK by Enter: question 1, once the intro has gone"
press "$start" Return
quiz=$(wait_for_window "Zorvenka")
item=$(wait_for_item_other_than "$quiz" -1)
expect_tree "question 1, beginner"

echo "-- the detail view of the whole plant, and back"
click_at "$quiz" "$PHOTO0_X" "$PHOTO0_Y"
detail=$(wait_for_window "Detajl")
expect_tree "detail view"
click_at "$detail" 300 300
wait_for_no_window "Detajl"

echo "-- every answer wrong: the correction announced after each, then NEXT"
press "$quiz" Return
expect_tree "correction of question 1"
expect_announced 'Bojínek luční\n Chyb: 1/1 '
for question in $(seq 2 13); do
  press "$quiz" Return
  item=$(wait_for_item_other_than "$quiz" "$item")
  atspi tree >/dev/null
  press "$quiz" Return
  wait_until correction_shown "$quiz"
  atspi tree >/dev/null
done

echo "-- the result screen, announced"
press "$quiz" Return
result=$(wait_for_window "Start page")
expect_tree "result"
expect_announced "Začátečník: Skore: 13 / 13"

echo "-- Konec"
click_at "$result" "$END_X" "$END_Y"
expect_exit_zero "$pid"
echo "accessibility over AT-SPI: passed"
