#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need (only the missing ones).
set -euo pipefail
packages=(cmake ninja-build g++ python3 pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev libpugixml-dev libzip-dev zip unzip
          openocd)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
