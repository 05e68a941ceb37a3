#!/usr/bin/env bash
# Installs every Debian package that building, testing and the demo need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-l10n-tools qt6-tools-dev
  libqt6sql6-sqlite qtkeychain-qt6-dev
  dbus-daemon gnome-keyring
  libgtest-dev libgmock-dev libbenchmark-dev libtomlplusplus-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-apps imagemagick
  dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
