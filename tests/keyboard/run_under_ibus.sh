#!/usr/bin/env bash
# Runs a test program under a Hangul input method of its own:
#   run_under_ibus.sh PROGRAM [ARGS...]
# On the X server named by VARUNO_TEST_X11_DISPLAY, in a private D-Bus
# session and a private home (so it works as root, with no session bus and
# beside a desktop's own input method), starts ibus-daemon with the Hangul
# engine selected and set to start in Hangul mode, runs PROGRAM with Qt's
# ibus module and VARUNO_TEST_INPUT_METHOD set, stops ibus and exits with
# PROGRAM's status. Exits 77 (skipped) when ibus cannot start here.
set -u

if [ "${1:-}" != --in-session ]; then
  if [ -z "${VARUNO_TEST_X11_DISPLAY:-}" ]; then
    echo "VARUNO_TEST_X11_DISPLAY is not set; skipped"
    exit 77
  fi
  for tool in dbus-run-session dbus-uuidgen ibus-daemon ibus; do
    if ! command -v "$tool" > /dev/null; then
      echo "$tool is not installed; skipped"
      exit 77
    fi
  done
  # Qt's ibus module reads the machine's D-Bus id and aborts the program
  # where it is missing or malformed (dbus-uuidgen --ensure makes one).
  if ! dbus-uuidgen --get > /dev/null 2>&1; then
    echo "this machine has no valid D-Bus machine id; skipped"
    exit 77
  fi
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  mkdir -p "$home/config/glib-2.0/settings" "$home/runtime"
  chmod 700 "$home/runtime"
  # Settings from a key file in the private home: the Hangul engine starts
  # in Hangul mode whatever the machine's settings say.
  cat > "$home/config/glib-2.0/settings/keyfile" << 'KEYFILE'
[org/freedesktop/ibus/engine/hangul]
initial-input-mode='hangul'
KEYFILE
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" GSETTINGS_BACKEND=keyfile \
    DISPLAY="$VARUNO_TEST_X11_DISPLAY" \
    dbus-run-session -- bash "$0" --in-session "$@"
  exit $?
fi
shift

log="$HOME/ibus.log"
ibus-daemon --panel=disable --emoji-extension=disable > "$log" 2>&1 &
ibus_pid=$!
stop_ibus() {
  timeout 5 ibus exit > /dev/null 2>&1 || kill "$ibus_pid" 2> /dev/null
  wait "$ibus_pid" 2> /dev/null
}
skip() {
  echo "$1; skipped"
  cat "$log"
  stop_ibus
  exit 77
}

# The daemon starts its engines on demand: select the Hangul one until it
# answers, for at most half a minute.
engine=
deadline=$((SECONDS + 30))
while [ "$SECONDS" -lt "$deadline" ]; do
  if ! kill -0 "$ibus_pid" 2> /dev/null; then
    skip "ibus-daemon ended at start"
  fi
  if timeout 5 ibus engine hangul > /dev/null 2>&1; then
    engine=$(timeout 5 ibus engine 2> /dev/null)
    break
  fi
  sleep 0.1
done
[ "$engine" = hangul ] || skip "ibus did not start with the Hangul engine (engine: '${engine}')"

IBUS_ADDRESS=$(timeout 5 ibus address) QT_IM_MODULE=ibus VARUNO_TEST_INPUT_METHOD=ibus-hangul "$@"
status=$?
stop_ibus
exit "$status"
