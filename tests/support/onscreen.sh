#!/bin/sh
# onscreen.sh <width>x<height> <command> [<argument>...]
# Runs the command on a virtual X screen of that size, its own: tests started side by
# side never share or race for a display, and only holders of its cookie may connect.
set -eu
size=$1
shift
dir=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

cookie=$(mcookie)
# The X server makes its lock file atomically: a number another server holds makes
# this one exit at once, and the next number is tried.
number=100
while :; do
  : >"$dir/auth"
  xauth -q -f "$dir/auth" add ":$number" . "$cookie"
  : >"$dir/display"
  Xvfb ":$number" -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -auth "$dir/auth" \
    3>"$dir/display" >"$dir/log" 2>&1 &
  server=$!
  while [ ! -s "$dir/display" ] && kill -0 "$server" 2>/dev/null; do
    sleep 0.05
  done
  if [ -s "$dir/display" ]; then
    break
  fi
  wait "$server" 2>/dev/null || true
  server=
  number=$((number + 1))
  if [ "$number" -gt 400 ]; then
    echo "Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 1
  fi
done
# The X keyboard library copies keymap names with strndup from buffers that end right
# after them, without a terminating zero; strict string checks take that for an overflow.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
status=0
DISPLAY=":$number" XAUTHORITY="$dir/auth" "$@" || status=$?
exit "$status"
