# What the scripts that run the viewer on a virtual screen share; sourced, not run. Processes
# they start go into the array pids, which stop_started ends.
pids=()

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

stop_started() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2> /dev/null || true
  done
}

# Starts Xvfb, which picks a free display itself and tells its number into a file of the folder
# given, and the openbox window manager (Xvfb alone delivers no close request to a window);
# exports DISPLAY and XDG_RUNTIME_DIR. The screen is SORVO_SCREEN (WIDTHxHEIGHT), else 1920x1200.
# Says which did not come up and returns 1 on failure.
start_virtual_screen() {
  local dir=$1
  Xvfb -displayfd 3 -screen 0 "${SORVO_SCREEN:-1920x1200}x24" -nolisten tcp 3> "$dir/display" 2> /dev/null &
  pids+=($!)
  wait_for 20 test -s "$dir/display" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$dir/display")"
  export XDG_RUNTIME_DIR="$dir/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  openbox > /dev/null 2>&1 &
  pids+=($!)
  wait_for 20 wmctrl -m || { echo "openbox did not start" >&2; return 1; }
}
