#!/usr/bin/env bash
# Starts the viewer on a virtual screen in a fresh working folder, steps through months and
# years with the arrow keys, changes the scale through the menu, saves the map as GIF and JPEG,
# closes the window like a user and checks the settings it wrote and its exit code.
set -euo pipefail
viewer=${1:?viewer}
build=${2:?build folder}
source=${3:?source folder}
title="Sorvo Visualizer"

fail() {
  echo "FAIL: $*" >&2
  [[ -f "$work/viewer.log" ]] && sed 's/^/viewer: /' "$work/viewer.log" >&2
  exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" > /dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

work=$(mktemp -d)
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2> /dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

"$source/tools/prepare-run" "$build" "$work" > /dev/null
printf 'YEAR=1850\nMONTH=1\nSCALE_PERCENT=75\n' > "$work/init.txt"

# Xvfb picks a free display itself and tells its number.
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
pids+=($!)
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox > /dev/null 2>&1 &
pids+=($!)
wait_for 20 wmctrl -m || fail "openbox did not start"

(cd "$work" && exec "$viewer") > "$work/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
running() {
  kill -0 "$viewer_pid" 2> /dev/null || fail "the viewer ended early"
}
deadline=$((SECONDS + 120))
until xdotool search --onlyvisible --name "^$title" > /dev/null 2>&1; do
  running
  ((SECONDS < deadline)) || fail "the window did not appear"
  sleep 0.1
done
window=$(xdotool search --onlyvisible --name "^$title" | head -n1)

# Keys typed while a map is drawn are handled after it; waiting for the work to end keeps the
# window in front.
settle() {
  sleep 0.3
  running
  wait_for 120 bash -c '! xdotool search --onlyvisible --name "^Bitte waren"' ||
    fail "the wait dialog did not go away"
  xdotool windowactivate --sync "$window" > /dev/null 2>&1 || true
}

press() {
  settle
  xdotool key "$1"
}

press Left   # January 1850 stays
press Right
press Right  # March 1850
press Up     # March 1851

# "Ansicht" is the menu after "Programm"; its third item is "50%".
settle
xdotool mousemove --window "$window" 20 10 click 1
sleep 1
xdotool key Right
sleep 0.5
xdotool key Down Down Return
settle

# Saving pictures: Ctrl+S and a typed name give a GIF, "Speichern als ..." > "JPEG" a JPEG;
# giflib and ImageMagick must read them at the size of the scale (50 % by now).
save_as() {
  wait_for 30 xdotool search --onlyvisible --name "^$1" || fail "the dialog \"$1\" did not open"
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "^$1" | head -n1)" \
    > /dev/null 2>&1 || true
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  wait_for 30 bash -c "! xdotool search --onlyvisible --name '^$1'" || fail "\"$1\" stayed open"
  settle
}
settle
xdotool key ctrl+s
save_as "Als GIF speichern" "$work/karte"
gifbuild -d "$work/karte.gif" > /dev/null || fail "gifbuild -d cannot read karte.gif"
[[ $(identify -format '%w %h' "$work/karte.gif") == "560 360" ]] || fail "karte.gif has the wrong size"
settle
xdotool mousemove --window "$window" 20 10 click 1
sleep 1
xdotool key Down Down Down Down Right
sleep 0.5
xdotool key Down Return
save_as "Als JPG speichern" "$work/bild"
[[ $(identify -format '%m %w %h' "$work/bild.jpg") == "JPEG 560 360" ]] || fail "bild.jpg unreadable"
settle

wmctrl -c "$title"
wait_for 120 bash -c "! kill -0 $viewer_pid" || fail "the viewer did not end after closing"
code=0
wait "$viewer_pid" || code=$?
((code == 0)) || fail "exit code $code"

settings=$(cat "$work/init.txt")
for expected in YEAR=1851 MONTH=3 SCALE_PERCENT=50; do
  grep -qx "$expected" <<< "$settings" || fail "init.txt lacks $expected:"$'\n'"$settings"
done
echo "window test passed"
