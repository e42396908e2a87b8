# Helpers that know Zorvenka's windows, sourced by the end-to-end tests: where the controls are,
# test photographs whose colour names the item on display, and running the program in a folder
# of its own whose every file the test can account for. They build on the X11 helpers.
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"

# Every test starts so: a scratch folder that goes at the end with everything the test started,
# and a virtual screen of its own.
begin_test() {
  work=$(mktemp -d)
  trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
  start_display
}

# A test that runs the program in a prepared folder (prepare_run_folder) starts so; `before`
# holds the folder's tree as it began.
begin_run_test() {
  begin_test
  prepare_run_folder "$work"
  before=$(tree_of "$work")
}

# The right answer for each item.
SPECIES_NAMES=("Bojínek luční" "Jílek mnohokvětý" "Jílek vytrvalý" "Lipnice luční"
  "Metlice trsnatá" "Ovsík vyvýšený" "Psárka luční" "Psineček výběžkatý" "Pýr plazivý"
  "Srha říznačka" "Tomka vonná" "Trojštět žlutavý" "Kostřava luční")
# The items that have a photograph of the whole plant (obr/0) and of the head (obr/2).
ITEMS_WITH_PHOTO0=(0 1 2 3 4 5 6 7 8 9 10 11)
ITEMS_WITH_PHOTO2=(0 1 2 3 5 6 8 9 11 12)

# Client-area points. Quiz window: the middles of the two photograph boxes, the answer edit, and a
# point of the yellow correction panel that its labels never reach (the background there is sky).
PHOTO0_X=580 PHOTO0_Y=335
PHOTO2_X=811 PHOTO2_Y=335
EDIT_X=870 EDIT_Y=44
CORRECTION_X=300 CORRECTION_Y=70
# Start page: the two level buttons, and "OK" / "Konec" (same place) and "Znovu".
BEGINNER_X=60 BEGINNER_Y=64
ADVANCED_X=60 ADVANCED_Y=104
OK_X=309 OK_Y=108
END_X=309 END_Y=108
AGAIN_X=221 AGAIN_Y=108

# The title of the program's error boxes: its file name cut at the first full stop, with every
# letter after the first in lower case.
application_title() { # program
  local name
  name=$(basename "$1")
  name=${name%%.*}
  echo "${name:0:1}$(printf '%s' "${name:1}" | tr '[:upper:]' '[:lower:]')"
}

# Flat photographs: red encodes the item (10 + 20 × item), green and blue the folder.
photo_colour() { # folder item
  if [[ $1 == 0 ]]; then echo "$((10 + 20 * $2)) 200 40"; else echo "$((10 + 20 * $2)) 40 200"; fi
}

# Writes the photographs the quiz reads into <folder>/obr.
make_photographs() {
  local folder=$1 item
  mkdir -p "$folder/obr/0" "$folder/obr/2"
  for item in "${ITEMS_WITH_PHOTO0[@]}"; do make_photograph "$folder/obr/0/$item.jpg" $(photo_colour 0 "$item"); done
  for item in "${ITEMS_WITH_PHOTO2[@]}"; do make_photograph "$folder/obr/2/$item.jpg" $(photo_colour 2 "$item"); done
}

make_photograph() { # file red green blue
  convert -size 200x240 "xc:rgb($2,$3,$4)" -sampling-factor 1x1 -quality 100 "$1"
}

# Succeeds when the colour is within a few levels of the expected one in every channel.
colour_near() { # "r g b" "r g b"
  local -a got=($1) want=($2)
  local channel
  for channel in 0 1 2; do
    (( ${got[channel]:-999} - ${want[channel]} <= 6 && ${want[channel]} - ${got[channel]:-999} <= 6 )) || return 1
  done
}

# Prints the item whose photograph is at the point, or nothing.
item_at() { # window x y folder
  local -a rgb=($(pixel_at "$1" "$2" "$3"))
  local item=$(( (${rgb[0]:-0} + 10) / 20 - 1 ))
  (( item >= 0 && item <= 12 )) && colour_near "${rgb[*]}" "$(photo_colour "$4" "$item")" && echo "$item"
  return 0
}

# Prints the item the quiz window shows, or nothing (intro panel up, no photograph).
item_on_display() {
  local item
  item=$(item_at "$1" "$PHOTO0_X" "$PHOTO0_Y" 0)
  [[ -n "$item" ]] || item=$(item_at "$1" "$PHOTO2_X" "$PHOTO2_Y" 2)
  echo "$item"
}

# Prints the item the quiz window shows if it is one other than the given one; fails otherwise.
item_other_than() { # window item
  local item
  item=$(item_on_display "$1")
  [[ -n "$item" && "$item" != "$2" ]] && echo "$item"
}

# Waits up to 20 s until the quiz window shows an item other than the given one, and prints it.
wait_for_item_other_than() { # window item
  poll 200 item_other_than "$1" "$2" && return 0
  if correction_shown "$1"; then
    echo "the quiz window shows a correction for item '$2'" >&2
  else
    echo "the quiz window did not go on from item '$2'" >&2
  fi
  return 1
}

correction_shown() {
  colour_near "$(pixel_at "$1" "$CORRECTION_X" "$CORRECTION_Y")" "255 255 0"
}

# Succeeds once the edit of the quiz window holds exactly the text, read back through the
# clipboard (Ctrl+A, Ctrl+C), waiting up to 2 s for the program to take the keys.
edit_holds() { # window text
  xdotool key --clearmodifiers ctrl+a ctrl+c
  poll 20 clipboard_holds "$2"
}

clipboard_holds() { # text
  [[ "$(xclip -o -selection clipboard 2>/dev/null)" == "$1" ]]
}

# Types the answer into the edit (a click first: a focused button would take a typed space as a
# press) and presses Enter. On a busy machine a typed key is now and then lost on its way, so the
# text is read back and typed again, more slowly, until the edit holds it.
answer() { # window text
  local delay
  activate "$1"
  click_at "$1" "$EDIT_X" "$EDIT_Y"
  for delay in 40 100 200 300; do
    [[ $delay == 40 ]] || xdotool key --clearmodifiers ctrl+a BackSpace
    type_text "$1" "$2" "$delay"
    edit_holds "$1" "$2" && break
    echo "typing again: the edit held '$(xclip -o -selection clipboard 2>/dev/null)', not '$2'" >&2
  done
  press "$1" Return
}

# Answers every question of the round right at the advanced level, checking that the round asks
# item 0 first and every other item once, never shows a correction, and ends on the result screen.
play_right_round() { # quiz window; prints the result screen's id
  local quiz=$1 item=-1 question asked=" "
  for question in $(seq 13); do
    item=$(wait_for_item_other_than "$quiz" "$item") || return 1
    [[ $question != 1 || $item == 0 ]] || { echo "question 1 showed item $item" >&2; return 1; }
    [[ "$asked" != *" $item "* ]] || { echo "item $item asked twice" >&2; return 1; }
    asked+="$item "
    answer "$quiz" "${SPECIES_NAMES[item]}"
    if [[ $question != 13 ]] && correction_shown "$quiz"; then
      echo "a right answer to question $question was marked wrong" >&2; return 1
    fi
  done
  wait_for_window "Start page"
}

# The round that the tour and the memory benchmark play, from the start page to the result
# screen: Enter, the intro, the first question left unanswered and its correction, the whole
# plant enlarged and closed again, then every answer left empty (a correction and NEXT each).
# At each stop it runs `step <stop> <window>`, the stops being start-page, intro, question,
# correction, detail-view and result; the result screen stays up.
play_tour_round() { # step
  local step=$1 start quiz detail result
  start=$(wait_for_window "Start page")
  "$step" start-page "$start"
  press "$start" Return
  quiz=$(wait_for_window "Zorvenka")
  sleep 0.5
  "$step" intro "$quiz"
  sleep 5 # the intro panel goes with the first tick of the quiz window's timer
  "$step" question "$quiz"
  press "$quiz" Return # nothing picked: a wrong answer
  "$step" correction "$quiz"
  click_at "$quiz" "$PHOTO0_X" "$PHOTO0_Y" # the first question is item 0, which has both
  detail=$(wait_for_window "Detajl")
  sleep 0.5
  "$step" detail-view "$detail"
  click_at "$detail" 400 300
  wait_for_no_window "Detajl"
  for _ in $(seq 25); do press "$quiz" Return; done
  result=$(wait_for_window "Start page")
  "$step" result "$result"
}

# The program's files: a folder with the photographs to run in, and a home, runtime and temporary
# folder of its own, so that anything it wrote would show up in tree_of "$work".
prepare_run_folder() { # work folder
  make_photographs "$1/run"
  mkdir -p "$1/home" "$1/tmp" "$1/runtime"
  chmod 700 "$1/runtime"
}

# Starts the program in <work>/run; sets pid.
start_program() { # program work
  (cd "$2/run" && HOME="$2/home" TMPDIR="$2/tmp" XDG_RUNTIME_DIR="$2/runtime" exec "$1") &
  pid=$!
}

# Every file and folder below the folder with its size and modification time.
tree_of() {
  find "$1" -printf '%P %y %s %T@\n' | sort
}

# Fails unless the tree is as it was.
expect_tree_unchanged() { # folder snapshot
  local now
  now=$(tree_of "$1")
  if [[ "$now" != "$2" ]]; then
    echo "the program changed files:" >&2
    diff <(echo "$2") <(echo "$now") >&2
    return 1
  fi
}

# Opens the quiz from the start page at the level clicked, and waits until the intro has gone.
open_quiz() { # start page window, level x, level y; prints the quiz window's id
  local quiz
  click_at "$1" "$2" "$3"
  click_at "$1" "$OK_X" "$OK_Y"
  quiz=$(wait_for_window "Zorvenka") || return 1
  wait_for_item_other_than "$quiz" -1 >/dev/null || return 1
  echo "$quiz"
}
