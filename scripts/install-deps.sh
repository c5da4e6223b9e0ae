#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (as root); does nothing when they
# are all there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev libxdamage-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  dosfstools
  xvfb xdotool
  fonts-dejavu-core fonts-dejavu-extra
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
