#!/usr/bin/env bash
# The 10 Hz, eleven-window run of bench_endtoend with gpsd and its client xgps (Debian
# packages gpsd and gpsd-clients) taking the same stream in the same run: prints the
# share of a core that polvane's GUI thread, gpsd, xgps and the X server xgps draws on
# (Xvfb) each took while the stream played.
#
#   bench/gpsd_compare.sh build/bench/bench/bench_endtoend [seconds]
#
# polvane runs on core 6 with its peer on 7, as in the README; gpsd on 5, xgps on 4 and
# Xvfb on 3.
set -euo pipefail
bench=$1
seconds=${2:-30}
dir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$dir"
}
trap cleanup EXIT

ticks() { # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

QT_QPA_PLATFORM=offscreen POLVANE_BENCH_SECONDS=$seconds POLVANE_BENCH_PORT_FILE=$dir/port \
  POLVANE_BENCH_OTHER_CLIENTS=1 taskset -c 6 "$bench" --benchmark_filter='EndToEnd/receiver_10Hz_700' \
  >"$dir/bench.out" 2>/dev/null &
benchpid=$!
until [ -s "$dir/port" ]; do sleep 0.1; done

taskset -c 3 Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!); xvfbpid=$!
taskset -c 5 gpsd -N -n -b -S 29470 "tcp://127.0.0.1:$(cat "$dir/port")" >/dev/null 2>&1 &
pids+=($!); gpsdpid=$!
sleep 1
DISPLAY=:77 taskset -c 4 xgps localhost:29470 >/dev/null 2>&1 &
pids+=($!); xgpspid=$!

until [ -e "$dir/port.playing" ]; do sleep 0.1; done
sleep 2
span=$((seconds - 6))
before=($(ticks $gpsdpid) $(ticks $xgpspid) $(ticks $xvfbpid))
sleep "$span"
after=($(ticks $gpsdpid) $(ticks $xgpspid) $(ticks $xvfbpid))
wait "$benchpid"

hz=$(getconf CLK_TCK)
share() { awk -v t="$1" -v hz="$hz" -v s="$span" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
echo "polvane_gui_cpu_%=$(grep -o 'gui_cpu_%=[0-9.]*' "$dir/bench.out" | cut -d= -f2)" \
  "gpsd_cpu_%=$(share $((after[0] - before[0])))" \
  "xgps_cpu_%=$(share $((after[1] - before[1])))" \
  "xvfb_cpu_%=$(share $((after[2] - before[2])))"
