#!/usr/bin/env bash
# Installs every Debian package that building, running, testing, fuzzing,
# benchmarking and packaging Corvex Novlet needs. Safe to run again: when
# everything is already there it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev time
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick poppler-utils
  weston qt6-wayland
  desktop-file-utils appstream
  dpkg-dev lintian man-db groff-base file binutils
  at-spi2-core python3-pyatspi dbus-x11
  fonts-dejavu-core fonts-liberation2
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
