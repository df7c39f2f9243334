#!/usr/bin/env bash
# Builds the calculator and launches it.
#   scripts/run.sh                      open the calculator on this display
#   scripts/run.sh --screenshot out.png run it under a virtual X server, save a
#                                       picture of the window and exit
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

varuno_need_packages "${VARUNO_BUILD_PACKAGES[@]}" "${VARUNO_RUN_PACKAGES[@]}"

cmake -S . -B build -DVARUNO_BUILD_TESTS=OFF -DVARUNO_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"

app=build/src/app/varunocalc
if [ "${1:-}" = "--screenshot" ]; then
  out=${2:?usage: scripts/run.sh --screenshot out.png}
  varuno_need_packages xvfb xauth
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$app" --screenshot "$out"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the calculator on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "To see it anyway: scripts/run.sh --screenshot calculator.png" >&2
  exit 1
fi
exec "$app" "$@"
