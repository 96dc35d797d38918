#!/usr/bin/env bash
# Screenshots of the windows, from the real program under Xvfb, into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${SHOTS_INNER:-}" ]; then
  bash tools/install-deps.sh cmake make g++ libfltk1.3-dev xvfb xauth xdotool imagemagick
  cmake -S . -B build -DCORVESSA_TESTS=OFF >/dev/null
  cmake --build build -j"$(nproc)" --target corvessa tarnell4 corvessa_writemix
  SHOTS_INNER=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash "$0"
fi
docs=$PWD/docs
work=$(mktemp -d)
cd "$work"
export XDG_CONFIG_HOME=$work/config  # the windows' places of this run only
# The stand-in engine, slowed down so that the Mix window can be caught at work.
PATH="$OLDPWD/build/engine:$PATH" TARNELL4_DELAY=5 "$OLDPWD/build/corvessa" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Corvessa$' >/dev/null && break; sleep 0.1; done
control=$(xdotool search --onlyvisible --name '^Corvessa$' | head -1)
xdotool windowmove "$control" 840 780
sleep 0.3
shot() {  # window title, file name
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
  sleep 0.3
  import -window "$id" "$docs/$2.png"
}
shot Corvessa control
for w in "f Faders faders" "e Effects effects" "r Reverb reverb" "g Submix Matrix submix" \
  "v VCA Matrix vca" "p Preferences preferences"; do
  set -- $w
  letter=$1 file=${!#}
  title=${w#* }
  title=${title% *}
  xdotool mousemove --window "$control" 5 5 key "ctrl+$letter"
  sleep 0.5
  shot "$title" "$file"
  xdotool mousemove --window "$control" 5 5 key "ctrl+shift+$letter"
  sleep 0.2
done
xdotool mousemove --window "$control" 5 5 key ctrl+m
sleep 1.2
shot Mix mix
xdotool mousemove --window "$(xdotool search --onlyvisible --name '^Mix$' | head -1)" 510 299 click 1  # Cancel
sleep 0.5
# The cue map of the typical benchmark mix, recalled from its files by a fresh start.
kill $pid
wait $pid 2>/dev/null || true
rm -f ./*.txt
"$OLDPWD/build/corvessa_writemix"
"$OLDPWD/build/corvessa" . >/dev/null 2>&1 &  # the folder given: its mix is opened
pid=$!
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Corvessa$' >/dev/null && break; sleep 0.1; done
control=$(xdotool search --onlyvisible --name '^Corvessa$' | head -1)
xdotool windowmove "$control" 840 780
sleep 0.3
xdotool mousemove --window "$control" 5 5 key ctrl+t
sleep 0.8
shot "Cue Map" cuemap
# A selection typed into the map's field ("/" puts the keys there).
map=$(xdotool search --onlyvisible --name '^Cue Map$' | head -1)
xdotool mousemove --window "$map" 50 60 click 1 key slash type "3-12 @ 4-15"
xdotool key Return
sleep 0.5
shot "Cue Map" cuemap-selection
echo "Screenshots in docs/"
