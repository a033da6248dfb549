#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are installed. As root it installs what is
# missing; otherwise it prints the apt-get line to run and fails.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  libcli11-dev nlohmann-json3-dev)
# The subcommands' end-to-end tests read the CSV files with pandas and check JSON against its
# schema.
packages+=(python3-pandas python3-jsonschema)
# The workbook and NetCDF outputs, and the tools their tests read them back with.
packages+=(libxlsxwriter-dev libnetcdf-dev python3-openpyxl python3-netcdf4 netcdf-bin)
if [ "${PELCON_GUI:-ON}" != "OFF" ]; then
  packages+=(qt6-base-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
