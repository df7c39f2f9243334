#!/usr/bin/env bash
# The replay tool on input it cannot read and output it cannot write:
#   broken_io.sh TOOL
# A read error answers the lines read so far, then stops with a message and
# exit code 2; a write error stops the tool at once with a message and exit
# code 1, or kills it by SIGPIPE where that signal is not ignored.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME WANTED_RC STDERR_PATTERN: compares the last run's status and
# standard error (in $rc and $work/err).
check() {
  if [ "$rc" != "$2" ]; then
    echo "FAIL $1: exit status $rc, expected $2; stderr: $(cat "$work/err")"
    failures=$((failures + 1))
  elif [ -n "$3" ] && ! grep -q -- "$3" "$work/err"; then
    echo "FAIL $1: stderr does not say '$3': $(cat "$work/err")"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

printf '1023\n1026\n' > "$work/two"
# Enough output to fill any pipe many times over.
for _ in $(seq 4000); do printf '1023\n1004\n'; done > "$work/long"

"$tool" < "$work" > "$work/out" 2> "$work/err"; rc=$?
check "input is a directory" 2 'cannot read the input after line 0: Is a directory'
[ -s "$work/out" ] && { echo "FAIL input is a directory: wrote output"; failures=$((failures + 1)); }

"$tool" <&- > "$work/out" 2> "$work/err"; rc=$?
check "input closed" 2 'cannot read the input after line 0: Bad file descriptor'

"$tool" < "$work/two" > /dev/full 2> "$work/err"; rc=$?
check "output device full" 1 'cannot write the output: No space left on device'

"$tool" < "$work/two" >&- 2> "$work/err"; rc=$?
check "output closed" 1 'cannot write the output: Bad file descriptor'

# The reader goes away after one byte; the tool must notice the next write.
{ env --ignore-signal=PIPE "$tool" < "$work/long" 2> "$work/err"; echo $? > "$work/rc"; } | head -c 1 > /dev/null
rc=$(cat "$work/rc")
check "reader gone, SIGPIPE ignored" 1 'cannot write the output: Broken pipe'

{ env --default-signal=PIPE "$tool" < "$work/long" 2> "$work/err"; echo $? > "$work/rc"; } | head -c 1 > /dev/null
rc=$(cat "$work/rc")
check "reader gone, SIGPIPE default" 141 ''

[ "$failures" -eq 0 ]
