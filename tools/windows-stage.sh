#!/usr/bin/env bash
# The Windows stage: cross builds for 64-bit and 32-bit Windows with Debian's mingw-w64 and runs
# the 64-bit unit tests under Wine. As root it installs the Debian packages it needs.
#
# A build or test failure fails the stage. A machine where Wine cannot start at all skips the test
# part with one line "Windows stage skipped: <reason>" and exit code 0, after the builds.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${PELCON_JOBS:-2}

# The unit test programs that run under Wine.
unit_tests=(datalib platform logfile attributes calibration values launcher ui)
# What the 32-bit build compiles: everything the component and the launcher are made of (32-bit
# programs cannot run under this machine's Wine).
x86_targets=(pelcon_platform pelcon_datalib pelcon_logfile pelcon_values pelcon_component
  pelcon_ui_logic pelcon_launcher_cli)

packages=(cmake ninja-build mingw-w64 mingw-w64-tools wine64 xvfb googletest)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

started=$SECONDS
echo "== Building for 64-bit Windows"
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 -j "$jobs" --target "${unit_tests[@]/%/_tests}"

echo "== Building for 32-bit Windows"
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j "$jobs" --target "${x86_targets[@]}"
echo "== Builds done in $((SECONDS - started)) s"

# Debian's wine64 package keeps its loader out of PATH unless the wine package is there too.
wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
if [ -z "$wine" ]; then
  echo "Windows stage skipped: wine64 is not installed"
  exit 0
fi

# A prefix of the stage's own, made fresh, without the prompts for Mono and Gecko.
export WINEPREFIX="$PWD/build/windows-x64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
if ! boot_output=$(timeout 300 "$wine" cmd /c exit 0 2>&1); then
  reason=$(printf '%s\n' "$boot_output" | grep -v '^\s*$' | tail -n 1)
  echo "Windows stage skipped: Wine cannot start (${reason:-no output})"
  exit 0
fi

echo "== Unit tests under Wine"
failed=()
for area in "${unit_tests[@]}"; do
  program="build/windows-x64/tests/${area}_tests.exe"
  if ! timeout 600 "$wine" "$program" --gtest_brief=1 2>&1; then
    failed+=("${area}_tests")
  fi
done
"$(dirname "$wine")/wineserver" -k 2>/dev/null || wineserver -k 2>/dev/null || true

echo "== Windows stage done in $((SECONDS - started)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Windows unit tests failed: ${failed[*]}" >&2
  exit 1
fi
echo "Windows unit tests passed: ${#unit_tests[@]} programs"
