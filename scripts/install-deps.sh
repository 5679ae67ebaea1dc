#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Norv2 need.
set -euo pipefail

packages=(cmake ninja-build g++ git python3 qt6-base-dev libgtest-dev libgmock-dev fonts-ipafont-gothic
          clang-format xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
