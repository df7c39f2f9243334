#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test:
#   1. the whole project, all tests through CTest (widget tests headless,
#      X11 tests on a virtual X server started here);
#   2. the Qt-free tests again under AddressSanitizer and UBSan;
#   3. the engine fuzzer and the paste fuzzer for a bounded time each.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

varuno_need_packages "${VARUNO_BUILD_PACKAGES[@]}" "${VARUNO_RUN_PACKAGES[@]}" "${VARUNO_TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== build and test (warnings are errors)"
cmake -S . -B build-test -DVARUNO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"

# A virtual X server for the tests that need a real one.
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
# Xvfb picks a free display itself and writes its number once it accepts
# connections, so the tests never race its start-up.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
if [ -s "$displayfile" ]; then
  export VARUNO_TEST_X11_DISPLAY=":$(tr -d '[:space:]' < "$displayfile")"
else
  echo "Xvfb did not start; the X11 tests will be skipped" >&2
fi
rm -f "$displayfile"

QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j"$jobs"

echo "== Qt-free tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DVARUNO_BUILD_UI=OFF -DVARUNO_BUILD_BENCH=OFF -DVARUNO_SANITIZE=ON \
  -DVARUNO_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== engine and paste fuzzers"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVARUNO_BUILD_UI=OFF -DVARUNO_BUILD_TESTS=OFF \
  -DVARUNO_BUILD_BENCH=OFF -DVARUNO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$jobs" --target engine_fuzzer paste_fuzzer
# run_fuzzer NAME CORPUS: one fuzzer for a bounded time, its corpus kept.
run_fuzzer() {
  [ -x "build-fuzz/tests/fuzz/$1" ] || return 0
  mkdir -p "$2"
  "build-fuzz/tests/fuzz/$1" -max_total_time="${VARUNO_FUZZ_SECONDS:-20}" \
    -max_len=256 -print_final_stats=1 -artifact_prefix=build-fuzz/ "$2"
}
run_fuzzer engine_fuzzer build-fuzz/corpus
run_fuzzer paste_fuzzer build-fuzz/paste-corpus
echo "All tests passed."
