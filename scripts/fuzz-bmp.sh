#!/usr/bin/env bash
# Runs the bitmap codec fuzzer for the given number of seconds on seeds written by
# make-bmp-seeds.py. Findings land in fuzz-out/bmp/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-600}
out=fuzz-out/bmp
mkdir -p "$out/corpus" "$out/seeds"
scripts/make-bmp-seeds.py "$out/seeds"
"$build/fuzz/fuzz_bmp" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix="$out/" -print_final_stats=1 "$out/corpus" "$out/seeds"
