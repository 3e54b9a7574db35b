#!/usr/bin/env bash
# Runs the document fuzzer for the given number of seconds on a seed corpus written by the
# program itself. Findings land in fuzz-out/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-600}
corpus=fuzz-out/corpus
mkdir -p "$corpus" fuzz-out/seeds
"$build/fuzz/make_fuzz_seeds" fuzz-out/seeds
# Inputs that once failed stay in the seeds, so a fault that comes back shows at once.
cp fuzz/regressions/* fuzz-out/seeds/
export LSAN_OPTIONS="suppressions=$(pwd)/fuzz/lsan.supp:print_suppressions=0"
"$build/fuzz/fuzz_document" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix=fuzz-out/ -print_final_stats=1 "$corpus" fuzz-out/seeds

# The metafile player and writer, on pictures of every record kind they read.
mkdir -p fuzz-out/metafile-corpus
"$build/fuzz/fuzz_metafile" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=262144 \
  -artifact_prefix=fuzz-out/metafile- -print_final_stats=1 fuzz-out/metafile-corpus fuzz/metafile_seeds
