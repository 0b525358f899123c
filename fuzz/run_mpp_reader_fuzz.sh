#!/usr/bin/env bash
# Runs the binary schedule reader's fuzz target for SECONDS (default 600) on a corpus
# seeded with the sample .mpp files, copied to a temporary folder (the samples stay out of
# the repository). Usage: fuzz/run_mpp_reader_fuzz.sh BUILD_DIR [SECONDS] [JOBS]
set -euo pipefail
build=${1:?usage: run_mpp_reader_fuzz.sh BUILD_DIR [SECONDS] [JOBS]}
seconds=${2:-600}
jobs=${3:-1}
root="$(cd "$(dirname "$0")/.." && pwd)"
samples="$root/../shared/samples/mpp"
[ -d "$samples" ] || { echo "no samples at $samples" >&2; exit 2; }
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
find "$samples" -name '*.mpp' -exec cp {} "$corpus/" \;
parallel=()
# With more than one job libFuzzer runs them in the background, logging to fuzz-N.log here.
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
cd "$build"
"$build/fuzz/mpp_reader_fuzz" "$corpus" -max_total_time="$seconds" -max_len=2000000 \
  -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 "${parallel[@]}"
