# Helpers for driving the real program on a virtual X server, sourced by the end-to-end tests
# and the tour. They need Xvfb, openbox, xdotool and ImageMagick's import.

# Starts a virtual screen (1280 × 1024 unless a size is given) with a window manager and points
# DISPLAY at it.
start_display() { # [width x height]
  local number size=${1:-1280x1024}
  for number in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
    # -noreset: by default the server resets when its last client leaves, which would drop the
    # keyboard set below as soon as setxkbmap disconnects.
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    sleep 0.5
    if kill -0 $! 2>/dev/null; then
      export DISPLAY=":$number"
      # A Czech keyboard has every letter of the answers on a key of its own; otherwise xdotool
      # would remap spare keys while it types, which a busy program may read too late.
      setxkbmap cz
      openbox --config-file "$(dirname "${BASH_SOURCE[0]}")/openbox.xml" >/dev/null 2>&1 &
      sleep 0.5
      return
    fi
  done
  echo "no free display" >&2
  return 1
}

# Prints the ids of the visible windows whose title is exactly the name. xdotool matches names
# without regard to case, so "zorvenka" (an error box) would also find "Zorvenka" (the quiz).
# The Windows program's taskbar entry shares the error box's title but shows nothing, and is
# left out.
windows_named() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$1" ]] && shows_something "$id" && echo "$id"
  done
  return 0
}

# Whether the window is more than a single pixel.
shows_something() {
  local WIDTH=0 HEIGHT=0
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
  ((WIDTH > 1 || HEIGHT > 1))
}

# Whether the window asks the window manager for no taskbar button of its own.
skips_taskbar() {
  xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_SKIP_TASKBAR
}

# Prints the ids of the windows the window manager manages that do not skip the taskbar: those
# a taskbar shows.
taskbar_windows() {
  local id
  wmctrl -l | while read -r id _; do skips_taskbar "$id" || echo $((id)); done
}

# Prints the id of the window that the window is transient for; nothing if none.
transient_for() {
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
  [[ -z $owner ]] || echo $((owner))
}

# Runs the command every tenth of a second until it succeeds; fails when it has not succeeded
# within the given tenths of a second. The waits below all go through it.
poll() { # tenths command...
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Prints the id of the first visible window whose title is exactly the name; fails if none.
first_window_named() {
  local id
  id=$(windows_named "$1" | head -n 1)
  [[ -n "$id" ]] && echo "$id"
}

no_window_named() {
  [[ -z "$(windows_named "$1")" ]]
}

# Prints the id of the visible window whose title is exactly the name, waiting up to 20 s.
wait_for_window() {
  poll 200 first_window_named "$1" || { echo "window '$1' did not appear" >&2; return 1; }
}

# Waits until no visible window has the title.
wait_for_no_window() {
  poll 200 no_window_named "$1" || { echo "window '$1' did not go" >&2; return 1; }
}

# Runs the command until it succeeds, up to 20 s.
wait_until() {
  poll 200 "$@" || { echo "gave up waiting for: $*" >&2; return 1; }
}

# Makes the window the active one unless it already is. Asking the window manager again would
# move the focus again, and a busy program may take that focus change in the middle of typing.
activate() {
  [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]] && return 0
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.2
}

# Activates the window and types the keys (xdotool key names).
press() {
  activate "$1"
  shift
  xdotool key --clearmodifiers --delay 60 "$@"
  sleep 0.3
}

# Clicks at a point of the window's client area.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.4
}

# Types the text into the control that has the focus in the window, a key every <delay> ms
# (40 unless given).
type_text() { # window text [delay]
  activate "$1"
  xdotool type --clearmodifiers --delay "${3:-40}" "$2"
}

# Prints the colour of one pixel of the window's client area as "red green blue" (0..255).
pixel_at() {
  import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
    sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# Saves the window, frame included, as a PNG.
screenshot() {
  import -frame -window "$1" "$2"
}

# Ends the test with the message.
fail() {
  echo "$*" >&2
  exit 1
}

process_ended() {
  ! kill -0 "$1" 2>/dev/null
}

# Waits up to 20 s for the process to end and fails unless its status is 0.
expect_exit_zero() {
  local status=0
  if ! poll 200 process_ended "$1"; then
    echo "the program did not end" >&2
    kill "$1"
    return 1
  fi
  wait "$1" || status=$?
  if [[ $status -ne 0 ]]; then echo "the program ended with status $status" >&2; return 1; fi
}
