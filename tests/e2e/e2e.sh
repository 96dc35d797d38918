#!/usr/bin/env bash
# Drives the real program under its own Xvfb with xdotool, by mouse and keyboard
# only, in a fresh folder with the stand-in engine on PATH.
#   e2e.sh CORVESSA ENGINE_DIR SCENARIO
# Every wait is bounded; the program is ended by its own process id.
set -u
corvessa=$1 engine=$2 scenario=$3
if [ -z "${E2E_INNER:-}" ]; then
  E2E_INNER=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d /tmp/corvessa-e2e-XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL [$scenario]: $*"
  exit 1
}

# Waits up to $1 tenths of a second for a command to succeed.
waitfor() {
  local n=$1
  shift
  for ((i = 0; i < n; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start() {
  cd "$work" || exit 1
  PATH="$engine:$PATH" "$corvessa" >"$work/stdout.txt" 2>&1 &
  pid=$!
  waitfor 100 window Corvessa || fail "the control window did not map"
  control=$(window Corvessa)
  # Out of the way of the other windows, which map at the top left.
  xdotool windowmove "$control" 840 780
  sleep 0.3
}

# The id of the mapped window titled $1.
window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
mapped() { window "$1" >/dev/null; }
unmapped() { ! mapped "$1"; }
size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

# Mouse: click at x y inside window $1. Keyboard: keys go to the window under the pointer.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}
key() {
  xdotool mousemove --window "$1" 5 5
  sleep 0.1
  xdotool key "$2"
  sleep 0.2
}

# Types text into the field at x y of window $1 (replacing what it holds) and presses Enter.
type_into() {
  click "$1" "$2" "$3"
  xdotool key ctrl+a
  xdotool type -- "$4"
  xdotool key Return
  sleep 0.2
}

# The other windows: title, size, Show button and Hide button in the control
# window (their centres), and the letter of their shortcuts.
windows=(
  "Faders 620x575 28,81 70,81 f"
  "Effects 520x620 123,81 165,81 e"
  "Reverb 410x255 218,81 260,81 r"
  "Submix Matrix 460x280 30,137 72,137 g"
  "VCA Matrix 460x280 123,137 165,137 v"
  "Preferences 430x375 218,137 260,137 p"
)

case $scenario in
startup)
  start
  [ "$(size "$control")" = 390x175 ] || fail "control window is $(size "$control")"
  for w in "${windows[@]}"; do
    title=${w% *}
    title=${title% *}
    title=${title% *}
    title=${title% *}
    unmapped "$title" || fail "$title is shown at start"
  done
  ;;
windows)
  start
  for w in "${windows[@]}"; do
    read -r -a f <<<"$w"
    n=${#f[@]}
    letter=${f[n - 1]} hide=${f[n - 2]} show=${f[n - 3]} want=${f[n - 4]}
    title=${f[*]:0:n-4}
    key "$control" "ctrl+$letter"
    waitfor 50 mapped "$title" || fail "Ctrl+$letter did not show $title"
    [ "$(size "$(window "$title")")" = "$want" ] || fail "$title is $(size "$(window "$title")")"
    click "$control" "${hide%,*}" "${hide#*,}"
    waitfor 50 unmapped "$title" || fail "Hide did not hide $title"
    click "$control" "${show%,*}" "${show#*,}"
    waitfor 50 mapped "$title" || fail "Show did not show $title"
    key "$control" "ctrl+shift+$letter"
    waitfor 50 unmapped "$title" || fail "Ctrl+Shift+$letter did not hide $title"
  done
  key "$control" Escape
  mapped Corvessa || fail "Escape closed the control window"
  ;;
store)
  start
  click "$control" 336 120  # the Store menu button
  click "$control" 336 140  # its first item, "Store Faders / Effects"
  waitfor 50 test -f faders.txt || fail "no faders.txt"
  [ "$(wc -c <faders.txt)" -eq 41 ] || fail "faders.txt is $(wc -c <faders.txt) bytes"
  ;;
mix)
  start
  click "$control" 336 60  # Mix
  waitfor 100 grep -q "tracks.txt:" stdout.txt || fail "the engine did not run"
  grep -q "^faders.txt: .*1 cues in use" stdout.txt || fail "the engine did not read faders.txt"
  for f in faders.txt prefs.txt tracks.txt; do [ -f "$f" ] || fail "no $f"; done
  ;;
faders)
  # Time index 5, bank 2, auto on strip 3, -6 dB typed into strip 3, the cue made active.
  start
  key "$control" ctrl+f
  waitfor 50 mapped Faders || fail "no faders window"
  faders=$(window Faders)
  type_into "$faders" 30 92 5      # time index
  type_into "$faders" 25 138 2     # channel bank
  click "$faders" 248 245          # auto, strip 3
  type_into "$faders" 290 247 -6   # volume, strip 3
  click "$faders" 120 90           # Active
  key "$control" ctrl+s
  waitfor 50 test -f tracks.txt || fail "Ctrl+S stored no tracks.txt"
  [ -f prefs.txt ] || fail "no prefs.txt"
  grep -Pzq '\n\nt\t0\t0\.000\t0\nv\t13\t-6\.00\n' faders.txt || fail "no volume record: $(cat faders.txt)"
  ;;
recall)
  # Files edited by hand are recalled and stored again with the edits.
  printf 'Hand Mix\n\nt\t0\t0.000\t0\nv\t13\t-9.50\nend\n' >"$work/faders.txt"
  printf '1 Bass +\nend\n' >"$work/tracks.txt"
  start
  click "$control" 336 90   # the Recall menu button
  click "$control" 300 173  # "Recall All"
  sed -i 's/-9.50/-7.25/; 1a # a note by hand' faders.txt
  click "$control" 336 90
  click "$control" 300 173
  key "$control" ctrl+s
  waitfor 50 test -f prefs.txt || fail "Ctrl+S stored nothing"
  sleep 0.3
  head -n 2 faders.txt | tail -n 1 | grep -qx '# a note by hand' || fail "the note was not kept"
  grep -q "$(printf '^v\t13\t-7.25$')" faders.txt || fail "the changed volume was not recalled"
  grep -qx '1 Bass +' tracks.txt || fail "the track name was not recalled"
  ;;
cuemap)
  # Ctrl+T shows the map; a click on channel 13 at the second cue moves the faders
  # window there, so that an edit made next lands in that cue.
  printf 'Map Mix\n\nt\t0\t0.000\t0\nv\t1\t-9.50\n\nt\t0\t5.000\t0\nv\t2\t-30.00\nend\n' >"$work/faders.txt"
  start
  click "$control" 336 90   # Recall, "Recall All"
  click "$control" 300 173
  key "$control" ctrl+t
  waitfor 50 mapped "Cue Map" || fail "Ctrl+T did not show the cue map"
  click "$(window "Cue Map")" 222 277  # row 13, second column
  key "$control" ctrl+f
  waitfor 50 mapped Faders || fail "no faders window"
  faders=$(window Faders)
  click "$faders" 248 245          # auto, strip 3
  type_into "$faders" 290 247 -6   # volume, strip 3
  key "$faders" ctrl+shift+t
  waitfor 50 unmapped "Cue Map" || fail "Ctrl+Shift+T did not hide the cue map"
  key "$control" ctrl+s
  waitfor 50 test -f prefs.txt || fail "Ctrl+S stored nothing"
  sleep 0.3
  awk 'BEGIN { RS = "" } /t\t0\t5\.000\t0/ && /v\t13\t-6\.00/' faders.txt | grep -q . ||
    fail "the edit is not in the clicked cue: $(cat faders.txt)"
  ;;
quit)
  for how in key button; do
    start
    if [ $how = key ]; then key "$control" ctrl+q; else click "$control" 356 150; fi
    waitfor 50 bash -c "! kill -0 $pid" || fail "Quit by $how did not end the program"
    wait "$pid"
    status=$?
    pid=
    [ $status -eq 0 ] || fail "Quit by $how ended with status $status"
    [ -z "$(ls "$work" | grep -v stdout.txt)" ] || fail "Quit by $how stored files"
  done
  ;;
*)
  fail "no such scenario"
  ;;
esac
echo "PASS [$scenario]"
