#!/usr/bin/env bash
# Builds one libFuzzer harness (clang, the "fuzz" preset) and runs it for a bounded time, seeded
# with its checked-in corpus fuzz/corpus/HARNESS/, its regressions and the seeds its line in
# fuzz/CMakeLists.txt names (sample files, the log file builder's variants).
#
#   tools/run-fuzz.sh HARNESS [SECONDS [LIBFUZZER OPTIONS...]]   default 60 s
#   tools/run-fuzz.sh --list                                     the harnesses
#
# The corpus the run grows and its findings (crash-*, leak-*, timeout-*) stay in
# build/fuzz-run/HARNESS/; the exit code is non-zero when the fuzzer found one. A finding, once
# mended, goes to fuzz/regressions/HARNESS/ under a name that says what it caught.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"

usage() {
  echo "usage: tools/run-fuzz.sh HARNESS [SECONDS [LIBFUZZER OPTIONS...]]" >&2
  echo "harnesses: $(ls "$root/fuzz/corpus" | tr '\n' ' ')" >&2
  exit 2
}

if [ "${1:-}" = "--list" ]; then
  ls "$root/fuzz/corpus"
  exit 0
fi
harness="${1:-}"
seconds="${2:-60}"
case "$harness" in '' | */* | .*) usage ;; esac
[ -d "$root/fuzz/corpus/$harness" ] || usage
case "$seconds" in '' | *[!0-9]*) usage ;; esac
shift $(($# < 2 ? $# : 2))

cmake --preset fuzz -S "$root" > /dev/null
cmake --build "$build" -j2 --target "$harness"

# program, seed_tool, max_len and seeds, written by the harness's line in fuzz/CMakeLists.txt.
# shellcheck source=/dev/null
source "$build/fuzz/$harness.run"

run="$root/build/fuzz-run/$harness"
rm -rf "$run/seeds"
mkdir -p "$run/corpus" "$run/seeds"
for seed in "${seeds[@]}"; do
  if [ -d "$seed" ]; then cp "$seed"/* "$run/seeds/" 2> /dev/null || true; else cp "$seed" "$run/seeds/"; fi
done
if [ -n "$seed_tool" ]; then
  cmake --build "$build" -j2 --target "$(basename "$seed_tool")"
  "$seed_tool" --seeds "$run/seeds"
fi

cd "$run"
"$program" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 "$@" corpus seeds
