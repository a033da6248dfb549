#!/usr/bin/env bash
# Builds the log loader's libFuzzer harness (clang, the "fuzz" preset) and runs it for a bounded
# time, seeded with the sample files and the builder's variants.
#
#   tools/run-fuzz.sh [seconds]      default 60
#
# Findings (crash-*, leak-*, timeout-*) are left in build/fuzz-run/; the exit code is non-zero
# when the fuzzer found one.
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in
  '' | *[!0-9]*) echo "usage: tools/run-fuzz.sh [seconds]" >&2; exit 2 ;;
esac

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
run="$root/build/fuzz-run"

cmake --preset fuzz -S "$root" > /dev/null
cmake --build "$build" -j2 --target log_loader_fuzzer fuzz_seeds

mkdir -p "$run/corpus"
cp "$root"/examples/*.bin "$run/corpus/"
"$build/fuzz/fuzz_seeds" --seeds "$run/corpus"

cd "$run"
"$build/fuzz/log_loader_fuzzer" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
  corpus
