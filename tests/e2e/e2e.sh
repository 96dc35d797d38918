#!/usr/bin/env bash
# The real program under its own Xvfb, by mouse and keyboard (xdotool), in a fresh
# folder with the stand-in engine on PATH; every wait bounded.
#   e2e.sh CORVESSA ENGINE_DIR SCENARIO [folder]
# "folder": started in another, empty folder, given the work folder as argument.
set -u
corvessa=$1 engine=$2 scenario=$3
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [ -z "${E2E_INNER:-}" ]; then
  E2E_INNER=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d /tmp/corvessa-e2e-XXXXXX)
export XDG_CONFIG_HOME=$work-config  # window places, none of the user's
from=
[ "${4:-}" = folder ] && from=$(mktemp -d /tmp/corvessa-e2e-from-XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work" $from "$XDG_CONFIG_HOME"
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
  (cd "${from:-.}" && PATH="$engine:$PATH" exec "$corvessa" ${from:+"$work"}) >"$work/stdout.txt" 2>&1 &
  pid=$!
  waitfor 100 window Corvessa || fail "the control window did not map"
  control=$(window Corvessa)
  # Bottom right, the other windows opening left of it ("stay": where it opened).
  [ "${1:-}" = stay ] || xdotool windowmove "$control" 840 700
  sleep 0.3
}

# The id of the mapped window titled $1.
window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
mapped() { window "$1" >/dev/null; }
unmapped() { ! mapped "$1"; }
size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
# A checksum of what window $1 shows (its pixels, not where it is).
shot() {
  local s
  s=$(size "$1")
  xwd -silent -id "$1" | tail -c $((${s%x*} * ${s#*x} * 4)) | md5sum
}

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
# The control window's "Recall All"; Ctrl+S in window $1, waited for.
recall_all() { click "$control" 336 90 && click "$control" 300 173; }
store_all() {
  key "$1" ctrl+s
  waitfor 50 test -f prefs.txt || fail "Ctrl+S stored nothing"
  sleep 0.3
}
# The faders window shown, as $faders; auto on and volume $1 typed in its strip 3.
show_faders() {
  key "$control" ctrl+f
  waitfor 50 mapped Faders || fail "no faders window"
  faders=$(window Faders)
}
strip3() { click "$faders" 248 245 && type_into "$faders" 290 247 "$1"; }

# The other windows: title, size and the letter of their shortcuts.
windows=("Faders 620x575 f" "Effects 520x620 e" "Reverb 410x255 r" "Submix Matrix 460x280 g"
  "VCA Matrix 460x280 v" "Preferences 430x375 p")

case $scenario in
windows | startup)  # "startup": what tests/package.sh runs on the installed program
  # The control window alone at start; each other window shown and hidden by its keys.
  start stay
  [ "$(size "$control")" = 390x175 ] || fail "control window is $(size "$control")"
  for w in "${windows[@]}"; do
    title=${w% * ?} letter=${w##* } want=${w% ?}
    want=${want##* }
    unmapped "$title" || fail "$title is shown at start"
    key "$control" "ctrl+$letter"
    waitfor 50 mapped "$title" || fail "Ctrl+$letter did not show $title"
    [ "$(size "$(window "$title")")" = "$want" ] || fail "$title is $(size "$(window "$title")")"
    [ "$(xdotool getwindowgeometry --shell "$(window "$title")" | sed -n 's/^X=//p')" -ge 390 ] ||
      fail "$title covers the control window, at the top left"
    key "$control" "ctrl+shift+$letter"
    waitfor 50 unmapped "$title" || fail "Ctrl+Shift+$letter did not hide $title"
  done
  key "$control" Escape
  mapped Corvessa || fail "Escape closed the control window"
  ;;
mix)
  start
  key "$control" ctrl+m  # the Mix button is clicked in "mixwindow"
  waitfor 100 grep -q "tracks.txt:" tarnell4.log || fail "Ctrl+M did not run the engine"
  grep -q "^faders.txt: .*1 cues in use" tarnell4.log || fail "the engine did not read faders.txt"
  ;;
mixwindow)
  # A 5-second mix: the "Mix" window shows it and its clock runs, the control
  # window's Quit does nothing, a window moved meanwhile is drawn, Cancel ends it.
  export TARNELL4_DELAY=5
  start
  show_faders
  key "$control" ctrl+e
  waitfor 50 mapped Effects || fail "no effects window"
  effects=$(window Effects)
  xdotool windowmove "$effects" 640 100 windowmove "$faders" 0 420 windowraise "$faders"
  sleep 0.5
  drawn=$(shot "$faders")
  xdotool windowmove "$faders" 640 100 windowraise "$effects"  # under the effects window
  click "$control" 336 60  # Mix
  waitfor 50 mapped Mix || fail "no Mix window"
  mix=$(window Mix)
  sleep 0.5
  clock=$(shot "$mix") since=$SECONDS
  click "$control" 356 150  # Quit
  # The faders window moved over the effects window, drawn as before.
  xdotool windowmove "$faders" 600 120 windowraise "$faders"
  sleep 0.5
  [ "$(shot "$faders")" = "$drawn" ] || fail "the moved faders window was not drawn"
  while [ $((SECONDS - since)) -lt 2 ]; do sleep 0.1; done
  [ "$(shot "$mix")" != "$clock" ] || fail "the elapsed time did not advance"
  click "$mix" 510 299  # Cancel
  waitfor 40 unmapped Mix || fail "Cancel did not end the mix"
  [ -z "$(ps -o pid= --ppid "$pid")" ] || fail "the engine still runs"
  ! grep -q "^mixed" tarnell4.log || fail "the engine ran to its end"
  sleep 0.3
  kill -0 "$pid" 2>/dev/null && mapped Corvessa || fail "Quit during the mix was carried out"
  ;;
faders)
  # One walk over a recalled mix of two cues, the second at 5 s: time index 5 and bank 2
  # typed, auto on and -6 dB on strip 3, the cue made active; page keys to time index 6
  # and bank 3, the cue made active, -6 dB, then -12 dB taken back by Ctrl+Z; Ctrl+T's cue
  # map clicked at channel 13 of the second cue moves the faders window there, so that
  # an edit made next lands in that cue; Ctrl+S in the faders window stores.
  printf 'Map Mix\n\nt\t0\t0.000\t0\nv\t1\t-9.50\n\nt\t0\t5.000\t0\nv\t2\t-30.00\nend\n' >"$work/faders.txt"
  start
  recall_all
  show_faders
  type_into "$faders" 30 92 5   # time index
  type_into "$faders" 25 138 2  # channel bank
  strip3 -6
  click "$faders" 120 90        # Active
  for k in Next Next Prior ctrl+Next ctrl+Next ctrl+Prior; do key "$faders" $k; done
  click "$faders" 120 90
  strip3 -6
  type_into "$faders" 290 247 -12
  key "$faders" ctrl+z
  key "$control" ctrl+t
  waitfor 50 mapped "Cue Map" || fail "Ctrl+T did not show the cue map"
  click "$(window "Cue Map")" 222 277  # row 13, second column
  show_faders
  strip3 -6
  key "$faders" ctrl+shift+t
  waitfor 50 unmapped "Cue Map" || fail "Ctrl+Shift+T did not hide the cue map"
  store_all "$faders"
  grep -Pzq '\n\nt\t0\t0\.000\t0\nv\t13\t-6\.00\n' faders.txt || fail "no volume record: $(cat faders.txt)"
  [ "$(grep -c "$(printf '^t\t')" faders.txt)" -eq 4 ] || fail "not at time index 6: $(cat faders.txt)"
  grep -q "$(printf '^v\t23\t-6.00$')" faders.txt || fail "Ctrl+Z did not bring back -6 dB: $(cat faders.txt)"
  awk 'BEGIN { RS = "" } /t\t0\t5\.000\t0/ && /v\t13\t-6\.00/' faders.txt | grep -q . ||
    fail "the edit is not in the clicked cue: $(cat faders.txt)"
  ;;
keys)  # Ctrl+E from the faders window; Ctrl+M in a name being typed mixes, the name as typed
  start
  show_faders
  key "$faders" ctrl+e
  waitfor 50 mapped Effects || fail "Ctrl+E in the faders window did not show the effects window"
  xdotool windowmove "$(window Effects)" 700 0
  click "$faders" 150 186  # the name of strip 1
  xdotool type Bass
  key "$faders" ctrl+m
  waitfor 100 grep -q "^mixed" tarnell4.log || fail "Ctrl+M in a name field did not mix"
  grep -qx '1 Bass +' tracks.txt || fail "the name is not as typed: $(cat tracks.txt)"
  grep -qx 'cue 1 of 1 at 0:00.000' tarnell4.log || fail "the engine's cue time: $(cat tarnell4.log)"
  ;;
recall)
  # The Store menu's first item stores the start-up faders; the files, then edited by
  # hand, are recalled and stored again with the edits.
  start
  click "$control" 336 120  # the Store menu button
  click "$control" 336 140  # its first item, "Store Faders / Effects"
  waitfor 50 test -f faders.txt || fail "no faders.txt"
  [ "$(wc -c <faders.txt)" -eq 41 ] || fail "faders.txt is $(wc -c <faders.txt) bytes"
  printf 'Hand Mix\n# a note by hand\n\nt\t0\t0.000\t0\nv\t13\t-7.25\nend\n' >faders.txt
  printf '1 Bass +\nend\n' >tracks.txt
  recall_all
  store_all "$control"
  head -n 2 faders.txt | tail -n 1 | grep -qx '# a note by hand' || fail "the note was not kept"
  grep -q "$(printf '^v\t13\t-7.25$')" faders.txt || fail "the volume was not recalled"
  grep -qx '1 Bass +' tracks.txt || fail "the track name was not recalled"
  ;;
messages)
  # A recall of a file with lines it did not take; Ctrl+L shows what it said.
  printf 'Hand Mix\nv 14 -3.00\nsub\t9\t1\nend\n' >"$work/faders.txt"
  start
  recall_all
  unmapped Messages || fail "the Messages window showed before Ctrl+L"
  key "$control" ctrl+l
  waitfor 30 mapped Messages || fail "Ctrl+L did not show the Messages window"
  key "$(window Messages)" ctrl+shift+l
  waitfor 30 unmapped Messages || fail "Ctrl+Shift+L did not hide the Messages window"
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
open)
  # Given a folder holding a stored mix, the program opens it: a store at once
  # writes the same bytes and asks nothing. Closing the control window ends it.
  printf 'Open Mix\n\n\n\n\n\n\n\n\n\n\n\n\nt\t0\t0.000\t0\nv\t13\t-7.25\n\nend\n' >"$work/faders.txt"
  printf '1 ---- off\nend\n' >"$work/tracks.txt"
  printf 'pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\npan\t3.0\noutbits\t24\ndither\t1\ncolor\t97\nend\n' \
    >"$work/prefs.txt"
  mkdir "$work/before" && cp "$work"/*.txt "$work/before/"
  start
  key "$control" ctrl+s
  sleep 0.5
  unmapped "Changed on disk" || fail "the store asked: the mix was not opened"
  for f in faders.txt tracks.txt prefs.txt; do
    cmp -s "$f" "before/$f" || fail "$f changed: $(cat "$f")"
  done
  rm -r before
  "$WMCLOSE" "$control"
  waitfor 50 bash -c "! kill -0 $pid" || fail "closing the control window did not end the program"
  wait "$pid"
  status=$?
  pid=
  [ $status -eq 0 ] || fail "closing the control window ended with status $status"
  ;;
range)
  # A selection typed into the cue map's field, trimmed by "-" and stored: its volume lines alone change, by -1 dB.
  printf 'Range Mix\n\nt\t0\t0.000\t0\nv\t1\t-10.00\nv\t2\t-6.00\n\nt\t0\t5.000\t0\nv\t1\t-9.00\nv\t2\t-5.50\n\nt\t0\t9.000\t0\nv\t1\t-8.00\nv\t3\t0.00\nend\n' >"$work/faders.txt"
  start
  recall_all
  key "$control" ctrl+t
  waitfor 50 mapped "Cue Map" && map=$(window "Cue Map") || fail "Ctrl+T did not show the cue map"
  store_all "$map" && cp faders.txt before.txt
  type_into "$map" 400 13 "1-2 @ 2-3"
  key "$map" minus
  key "$map" ctrl+s
  waitfor 50 bash -c '! cmp -s faders.txt before.txt' || fail "Ctrl+S stored no change"
  changed=$(awk 'NR == FNR { was[FNR] = $0; next } was[FNR] != $0 { print was[FNR] " -> " $0 }' before.txt faders.txt)
  [ "$changed" = "$(printf 'v\t1\t-9.00 -> v\t1\t-10.00\nv\t2\t-5.50 -> v\t2\t-6.50\nv\t1\t-8.00 -> v\t1\t-9.00')" ] &&
    [ "$(wc -l <faders.txt)" = "$(wc -l <before.txt)" ] || fail "changed: $changed"
  ;;
recover)
  # Unstored changes survive SIGKILL once the recovery is written, SIGTERM, Quit
  # and closing the control window: started again, the program offers them, Enter
  # restores them, and a store then writes exactly what was kept and removes it.
  start
  sleep 0.5
  unmapped "Unstored Changes" || fail "changes offered with no recovery"
  n=1
  for how in kill term quit close; do
    [ -n "$pid" ] || start
    show_faders
    if [ $n = 1 ]; then strip3 -$n; else type_into "$faders" 290 247 -$n; fi
    edit=$(printf '^v\t3\t-%d.00$' $n)
    case $how in
    kill)
      waitfor 50 grep -q "$edit" .corvessa/recovery/faders.txt || fail "no recovery was written"
      kill -KILL "$pid"
      ;;
    term) kill -TERM "$pid" ;;
    quit) key "$control" ctrl+q ;;
    close) "$WMCLOSE" "$control" ;;
    esac
    wait "$pid" 2>/dev/null
    status=$?
    pid=
    [ $how = kill ] || [ $status -eq 0 ] || fail "$how ended with status $status"
    mkdir -p kept && cp .corvessa/recovery/*.txt kept/ || fail "nothing was kept after $how"
    grep -q "$edit" kept/faders.txt || fail "the edit before $how was not kept"
    start
    waitfor 50 mapped "Unstored Changes" || fail "no Unstored Changes window after $how"
    key "$(window "Unstored Changes")" Return
    waitfor 30 unmapped "Unstored Changes" || fail "Enter did not restore after $how"
    key "$control" ctrl+s
    for f in faders.txt tracks.txt prefs.txt; do
      waitfor 50 cmp -s $f kept/$f || fail "$f stored after $how is not what was kept"
    done
    waitfor 20 test ! -e .corvessa/recovery/faders.txt || fail "the store left the recovery"
    n=$((n + 1))
  done
  ;;
pipe)
  # Standard output a closed pipe: a recall and a mix print, and the program ends
  # only when told, with status 0.
  printf 'Pipe Mix\nsub\t9\t1\nend\n' >"$work/faders.txt"
  cd "$work" || exit 1
  (PATH="$engine:$PATH" exec "$corvessa" "$work" > >(exec true)) 2>/dev/null &
  pid=$!
  waitfor 100 window Corvessa || fail "the control window did not map"
  control=$(window Corvessa)
  recall_all
  key "$control" ctrl+m
  waitfor 100 grep -q "tracks.txt:" tarnell4.log || fail "Ctrl+M did not run the engine"
  key "$control" ctrl+q
  waitfor 50 bash -c "! kill -0 $pid" || fail "the program did not end on Ctrl+Q"
  wait "$pid"
  status=$? pid=
  [ $status -eq 0 ] || fail "the program ended with status $status"
  ;;
*)
  fail "no such scenario"
  ;;
esac
[ -z "$from" ] || [ -z "$(ls -A "$from")" ] || fail "files landed in $from: $(ls -A "$from")"
echo "PASS [$scenario]"
