#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are installed, and the locales with a decimal
# comma that the tests convert under. As root it installs and generates what is missing;
# otherwise it prints the commands to run and fails.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  libcli11-dev nlohmann-json3-dev locales)
# The subcommands' end-to-end tests read the CSV files with pandas and check JSON against its
# schema.
packages+=(python3-pandas python3-jsonschema)
# The Python module and its tests.
packages+=(pybind11-dev python3-dev python3-pytest python3-numpy)
# The workbook and NetCDF outputs, and the tools their tests read them back with.
packages+=(libxlsxwriter-dev libnetcdf-dev python3-openpyxl python3-netcdf4 netcdf-bin)
if [ "${PELCON_GUI:-ON}" != "OFF" ]; then
  packages+=(qt6-base-dev)
  # The charts of the preview window and `pelcon plot` (Qt Charts needs the OpenGL headers).
  packages+=(qt6-charts-dev qt6-svg-dev libqt6opengl6-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
test_locales=(de_DE fr_FR ru_RU)
missing_locales=()
for name in "${test_locales[@]}"; do
  locale -a 2>/dev/null | grep -qxi "$name.utf-\?8" || missing_locales+=("$name")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
  fi
  for name in "${missing_locales[@]}"; do
    echo "Missing locale. Generate it with:  sudo localedef -i $name -f UTF-8 $name.UTF-8" >&2
  done
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for name in "${missing_locales[@]}"; do
  echo "Generating the locale $name.UTF-8"
  localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
