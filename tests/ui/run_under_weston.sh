#!/usr/bin/env bash
# Runs a test program on a Wayland compositor of its own:
#   run_under_weston.sh PROGRAM [ARGS...]
# starts a headless weston with its own runtime directory (so it works as
# root and beside any other compositor), runs PROGRAM on Qt's wayland
# platform there, stops weston and exits with PROGRAM's status. Exits 77
# (skipped) when weston is not installed.
set -u
if ! command -v weston > /dev/null; then
  echo "weston is not installed; skipped"
  exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2> /dev/null
    wait "$weston_pid" 2> /dev/null
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT

socket=varuno-test
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
  weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$socket" \
  > "$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 400); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$weston_pid" 2> /dev/null; then
    break
  fi
  sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:"
  cat "$runtime/weston.log"
  exit 1
fi

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
status=$?
if ! kill -0 "$weston_pid" 2> /dev/null; then
  echo "weston ended during the test:"
  cat "$runtime/weston.log"
  [ "$status" -eq 0 ] && status=1
fi
exit "$status"
