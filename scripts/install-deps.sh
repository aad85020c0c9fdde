#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when any is missing. Both Qt 5
# and Qt 6 are installed: the Qt 6 build compares its output with a Qt 5 build of the library.
set -euo pipefail
packages=(cmake make g++ pkg-config qtbase5-dev qt6-base-dev libpoco-dev googletest libgtest-dev libbenchmark-dev
          python3 python3-jsonschema fonts-dejavu-core clang libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
