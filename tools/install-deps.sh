#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, or, given names, those packages
# (the Windows and other longer checks name their own); installs only what is missing.
# Usage: tools/install-deps.sh [PACKAGE...]
set -euo pipefail
packages=(cmake ninja-build ccache g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev xvfb xauth fonts-liberation nlohmann-json3-dev neovim emacs-nox elpa-eglot strace gettext
          clang-format-14 gcovr)
[ $# -eq 0 ] || packages=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
