#!/usr/bin/env bash
# Rewrites the golden files from the converter's output, then checks every header line and every
# cell of them against the independent model in check_golden.py. Review the change with git diff.
#
#   tests/e2e/regenerate.sh <build directory> [--derived-pending]
#
# --derived-pending accepts empty derived value cells while the derived value functions are not
# written yet; drop it once they are.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: regenerate.sh <build directory> [--derived-pending]}
shift
cmake --build "$build" --target e2e_tests
PELCON_UPDATE_GOLDEN=1 "$build/tests/e2e_tests" --gtest_brief=1 >/dev/null
python3 "$here/check_golden.py" "$@" "$here/golden"
