#!/usr/bin/env bash
# Start-up cost of the installed calculator against a bare Qt Widgets window.
#
#   bench/startup/startup_bench.sh [BUILD_DIR] [ROUNDS]
#
# Installs BUILD_DIR (default build-h5) into a temporary prefix, starts a
# virtual X server, and launches the installed `varunocalc` and the bare
# window (BUILD_DIR/bench/startup/bare_window) in turn, ROUNDS times each
# (default 20, after one warm-up round), alternating which goes first. Each
# program prints, right after its first paint has reached the screen, the
# wall-clock time and its peak resident memory (VmHWM) and exits. Reports the
# medians and their ratios; exits 1 when the calculator needs more than 1.1
# times the bare window's time or peak memory.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build-h5}
rounds=${2:-20}
goal=1.1

bare="$build/bench/startup/bare_window"
[ -x "$bare" ] || { echo "no $bare: build $build first" >&2; exit 2; }

work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
app="$work/prefix/bin/varunocalc"

for n in $(seq 140 180); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    display=":$n"
    break
  fi
done
[ -n "$xvfb_pid" ] || { echo "no free X display" >&2; exit 2; }
for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

# run PROGRAM: prints "<microseconds to first paint> <VmHWM KiB>".
run() {
  local start out paint_ns hwm
  start=${EPOCHREALTIME/[.,]/}
  out=$(env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb "$1" --bench-exit-after-paint)
  paint_ns=$(sed -n 's/.*paint_realtime_ns=\([0-9]*\).*/\1/p' <<<"$out")
  hwm=$(sed -n 's/.*vmhwm_kib=\([0-9]*\).*/\1/p' <<<"$out")
  [ -n "$paint_ns" ] && [ -n "$hwm" ] || { echo "no start-up report from $1: $out" >&2; exit 2; }
  echo "$(( paint_ns / 1000 - start )) $hwm"
}

run "$app" >/dev/null
run "$bare" >/dev/null
: >"$work/app.txt"
: >"$work/bare.txt"
for i in $(seq "$rounds"); do
  if (( i % 2 )); then
    run "$app" >>"$work/app.txt"
    run "$bare" >>"$work/bare.txt"
  else
    run "$bare" >>"$work/bare.txt"
    run "$app" >>"$work/app.txt"
  fi
done

# median FILE COLUMN
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

app_us=$(median "$work/app.txt" 1)
bare_us=$(median "$work/bare.txt" 1)
app_kib=$(median "$work/app.txt" 2)
bare_kib=$(median "$work/bare.txt" 2)

LC_ALL=C awk -v au="$app_us" -v bu="$bare_us" -v ak="$app_kib" -v bk="$bare_kib" -v goal="$goal" -v n="$rounds" '
BEGIN {
  tr = au / bu; mr = ak / bk
  printf "start-up to first paint, median of %d runs each (Xvfb, xcb)\n", n
  printf "  %-12s %10s %12s\n", "", "time ms", "VmHWM MiB"
  printf "  %-12s %10.1f %12.1f\n", "varunocalc", au / 1000, ak / 1024
  printf "  %-12s %10.1f %12.1f\n", "bare window", bu / 1000, bk / 1024
  printf "  %-12s %10.2f %12.2f   (goal: at most %.1f)\n", "ratio", tr, mr, goal
  exit (tr <= goal && mr <= goal) ? 0 : 1
}'
