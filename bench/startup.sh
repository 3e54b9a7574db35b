#!/usr/bin/env bash
# Start-up time: from launching the program (startup_probe, which runs the program's own run
# function) to the example document on the screen, on a fresh program directory each run (the
# first start of a user, which seeds it) and on a seeded one (every later start). Prints each run
# and the median in milliseconds, the same without the start-up picture (which lies over the
# window for its 500 ms but does not hold the start), and the load average. Uses the display in
# DISPLAY, else Qt's offscreen platform.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build-bench}
runs=${2:-7}
probe="$build/bench/startup_probe"
[ -x "$probe" ] || { echo "$probe is not built (configure with -DPW_BUILD_BENCH=ON)"; exit 1; }
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {  # $1: fresh or seeded; further arguments go to the probe
    local times=()
    for _ in $(seq "$runs"); do
        [ "$1" = fresh ] && rm -rf "$home/p"
        local start end
        start=$(date +%s%N)
        end=$("$probe" --home "$home/p" "${@:2}" 2>/dev/null | tail -1)
        times+=($(((end - start) / 1000000)))
    done
    echo "start-up, $1 program directory ${*:2}: ${times[*]} ms; median $(printf '%s\n' "${times[@]}" | median) ms"
}
measure fresh
measure seeded
measure seeded --no-title
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
