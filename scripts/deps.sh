#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only when
# they are missing. Quiet and quick when everything is there already.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6svg6 qt6-multimedia-dev
    libudev-dev libx11-dev libxi-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei fonts-dejavu-core
    xvfb xauth x11-utils xdotool xcompmgr dbus-daemon dbus-bin
    desktop-file-utils
    clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "deps: missing packages (run as root to install them):"
    echo "  apt-get install ${missing[*]}"
    exit 1
fi

# Recommended packages come along: the build and the desktop tests were tried with them.
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
