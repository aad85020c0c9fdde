#!/usr/bin/env bash
# Installs the Debian packages that one purpose needs, when any is missing:
#   install-deps.sh [test|demo|abi|fuzz|bench]   (default: test)
# test and demo need the build and the tests' tools (with a font for Chinese, Japanese and Korean
# descriptions in rendered keymaps); abi (which configures the tested build) adds libabigail's abidw
# and abidiff, fuzz clang and its runtime, bench Google Benchmark. Both Qt 5 and Qt 6 are installed:
# the Qt 6 build compares its output with a Qt 5 build of the library. Installing needs root, or sudo
# that does not ask for a password; otherwise the script prints the command to run as root and stops.
set -euo pipefail
purpose=${1:-test}
# libxkbcommon-dev: Qt 6's CMake package looks for XKB (Qt6Gui's optional dependency) and says
# "Could NOT find XKB" on every configure without it.
build=(cmake make g++ pkg-config qtbase5-dev qt6-base-dev libxkbcommon-dev libpoco-dev)
testing=(googletest libgtest-dev python3 python3-jsonschema fonts-dejavu-core fonts-wqy-microhei)
case "$purpose" in
test | demo) packages=("${build[@]}" "${testing[@]}") ;;
abi) packages=("${build[@]}" "${testing[@]}" abigail-tools) ;;
fuzz) packages=("${build[@]}" clang libclang-rt-14-dev) ;;
bench) packages=("${build[@]}" libbenchmark-dev) ;;
*)
    echo "install-deps.sh: unknown purpose '$purpose' (test, demo, abi, fuzz or bench)" >&2
    exit 2
    ;;
esac
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    # sudo -n fails instead of asking for a password: a password prompt in the middle of a build
    # would hang unattended runs, and sudo's own error would not say what to install.
    if ! command -v sudo >/dev/null 2>&1 || ! sudo -n true 2>/dev/null; then
        echo "install-deps.sh: these packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and this shell is neither root nor has sudo without a password." >&2
        echo "Run as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo -n)
fi
echo "installing: ${missing[*]}"
# sudo's env_reset drops variables set before it: env passes the setting to apt-get itself.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
