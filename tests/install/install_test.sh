#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed files and validates the
# desktop entry and the AppStream metadata; then starts the installed program through its
# launcher, as the desktop's menu does, in a home folder of its own on a virtual screen, opens
# the help, closes the window and checks what it wrote and where.
set -euo pipefail
build=${1:?build folder}
app_id=${2:?application id}

fail() {
  echo "FAIL: $*" >&2
  [[ -f "$root/viewer.log" ]] && sed 's/^/viewer: /' "$root/viewer.log" >&2
  exit 1
}
source "$(dirname "$0")/../../tools/virtual-screen.sh"

root=$(mktemp -d)
cleanup() {
  stop_started
  rm -rf "$root"
}
trap cleanup EXIT
prefix="$root/prefix"

cmake --install "$build" --prefix "$prefix" > "$root/install.log" 2>&1 ||
  { cat "$root/install.log"; fail "cmake --install"; }

share="$prefix/share/sorvo-visualizer"
for f in bin/sorvo bin/sorvo-visualizer; do
  [[ -x "$prefix/$f" ]] || fail "$f is not installed as a program"
done
for f in Information.rtf worldmap.txt weltkarte1.jpg weltkarte2.jpg weltkarte3.jpg \
  data/cru/hadcrut3v.dat data/cru/hadcrut3.dat data/cru/hadcrut4.dat data/cru/hadsst2.dat \
  data/cru/abstem3.dat data/cru/synthetic.nc; do
  [[ -s "$share/$f" ]] || fail "share/sorvo-visualizer/$f is missing"
done
for size in 16 24 32 48 64 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [[ "$(identify -format '%wx%h' "$icon" 2> /dev/null)" == "${size}x${size}" ]] ||
    fail "no ${size}x${size} icon at $icon"
done
entry="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
# A menu runs Exec without the prefix's bin/ on its PATH: the launcher by its absolute path.
launcher=$(sed -n 's/^Exec=//p' "$entry")
[[ "$launcher" == "$prefix/bin/sorvo-visualizer" ]] ||
  fail "the desktop entry starts \"$launcher\", not $prefix/bin/sorvo-visualizer"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" > "$root/as.log" 2>&1 ||
  { cat "$root/as.log"; fail "appstreamcli validate"; }

# A virtual screen with a window manager, and a user whose home holds nothing of the program
# but settings that ask for the coastlines, which come from the installed files too.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_DATA_HOME
export HOME="$root/home"
mkdir -p "$HOME"
start_virtual_screen "$root" || fail "no virtual screen"
work="$HOME/.local/share/sorvo-visualizer"
mkdir -p "$work"
printf 'MAP_TYPE=1\n' > "$work/init.txt"
before=$(cd "$prefix" && find . | sort)

(cd / && exec "$launcher") > "$root/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
find_window() {
  wait_for "${2:-120}" xdotool search --onlyvisible --name "$1" || return 1
  xdotool search --onlyvisible --name "$1" | head -n1
}
window=$(find_window "^Sorvo Visualizer") || fail "the window did not appear"
wait_for 120 bash -c '! xdotool search --onlyvisible --name "^Bitte waren"' ||
  fail "the first map was not drawn"
sleep 1
for title in Fehler Information; do
  ! xdotool search --onlyvisible --name "^$title\$" > /dev/null 2>&1 ||
    fail "a message box \"$title\" appeared: a file was not found"
done

# "Hilfe" is the menu bar's third entry, after the menus "Programm" and "Ansicht".
xdotool windowactivate --sync "$window" > /dev/null 2>&1 || true
xdotool mousemove --window "$window" 160 10 click 1
help=$(find_window "^Hilfe\$" 20) || { import -window root "$build/install-failure.png"; fail "the help dialog did not open (screen: $build/install-failure.png)"; }
xdotool windowactivate --sync "$help" > /dev/null 2>&1 || true
xdotool key ctrl+a ctrl+c
wait_for 10 bash -c "xclip -o -selection clipboard 2> /dev/null | grep -qF 'Was die Karte zeigt'" ||
  fail "the help text was not shown: $(xclip -o -selection clipboard 2> /dev/null | head -c 300)"
xdotool key Escape
wait_for 20 bash -c '! xdotool search --onlyvisible --name "^Hilfe\$"' ||
  fail "the help dialog did not close"

# "Datei öffnen ..." starts where the shown dataset was found, among the installed files: Return
# takes the file the dialog offers. Anywhere else the dialog would not find it and stay open.
xdotool windowactivate --sync "$window" > /dev/null 2>&1 || true
xdotool key ctrl+o
open=$(find_window "^Datensatz öffnen\$" 20) || fail "the file dialog did not open"
xdotool windowactivate --sync "$open" > /dev/null 2>&1 || true
sleep 1
xdotool key Return
wait_for 20 bash -c '! xdotool search --onlyvisible --name "^Datensatz öffnen\$"' ||
  fail "the file dialog did not start in the installed data folder"
# The map is drawn again; the wait window shows only after a moment, and the window drops the
# close asked for while it draws.
sleep 2
wait_for 120 bash -c '! xdotool search --onlyvisible --name "^Bitte waren"' ||
  fail "the map was not drawn again"

wmctrl -c "Sorvo Visualizer"
wait_for 120 bash -c "! kill -0 $viewer_pid" || fail "the viewer did not end after closing"
code=0
wait "$viewer_pid" || code=$?
((code == 0)) || fail "exit code $code"

grep -qxF "DB_FILE=$share/data/cru/hadcrut3v.dat" "$work/init.txt" ||
  fail "init.txt does not name the installed dataset: $(cat "$work/init.txt")"
grep -qx 'MAP_TYPE=1' "$work/init.txt" || fail "the map type was not kept"
[[ -e "$work/positions.txt" ]] || fail "positions.txt not written in the working folder"
[[ "$(cd "$prefix" && find . | sort)" == "$before" ]] || fail "the program wrote into its installation"
echo "install test passed"
