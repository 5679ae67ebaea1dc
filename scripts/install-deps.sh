#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Norv2 need.
set -euo pipefail

# xvfb, openbox, x11-utils and libxcb1-dev: the tests that need a real X server with a window manager;
# dbus and at-spi2-core: those that listen as a screen reader does.
# librsvg2-bin renders the icon's sizes; desktop-file-utils, appstream, shared-mime-info, xdg-utils,
# libfile-mimeinfo-perl (xdg-mime's way into the MIME database) and groff-base check the installed
# tree; dpkg-dev and file let cpack -G DEB find the libraries the package depends on, and lintian
# checks that package; xdotool drives the windows as a user would when trying them out.
packages=(cmake ninja-build g++ git python3 qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev
          fonts-ipafont-gothic clang-format xvfb xauth openbox x11-utils libxcb1-dev dbus at-spi2-core
          librsvg2-bin desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl groff-base
          dpkg-dev file lintian xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
