#!/usr/bin/env bash
# Sets up, builds and runs every test of the default build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
