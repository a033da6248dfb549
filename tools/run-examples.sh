#!/usr/bin/env bash
# Sets up, builds everything and converts the bundled sample log files in examples/ with their
# templates into build/examples/, then shows the start of each result.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default
cmake --build --preset default

output=build/examples
rm -rf "$output"
mkdir -p "$output/csv"
# A registry file and a clock of their own, so the run neither reads nor changes the user's
# settings and gives the same files every time.
export PELCON_REGISTRY="$PWD/$output/registry.reg"
export PELCON_NOW="2009-03-20 10:00:00"
for pair in lodax_level:level barometric:barometric vorta_sonde:sonde; do
  log=${pair%%:*}
  template=${pair##*:}
  cp "examples/$log.bin" "$output/"
  build/default/bin/pelcon -f "$output/$log.bin" -t "examples/$template.bft" -o "$output/csv"
  echo
  echo "== $output/csv/$log.bin.csv (first 30 lines)"
  head -n 30 "$output/csv/$log.bin.csv" | tr -d '\r'
done
