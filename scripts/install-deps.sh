#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (Debian 12).
set -euo pipefail
packages=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev qt6-svg-dev libgl-dev
          qt6-translations-l10n
          xvfb xauth fonts-noto-cjk)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
