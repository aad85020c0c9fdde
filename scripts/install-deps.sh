#!/usr/bin/env bash
# Installs the Debian packages that one purpose needs, when any is missing:
#   install-deps.sh [test|demo|fuzz|bench]   (default: test)
# test and demo need the build and the tests' tools (with a font for Chinese, Japanese and Korean
# descriptions in rendered keymaps); fuzz adds clang and its runtime, bench Google Benchmark.
# Both Qt 5 and Qt 6 are installed: the Qt 6 build compares its output with a Qt 5 build of the
# library. Installing needs root or sudo.
set -euo pipefail
purpose=${1:-test}
build=(cmake make g++ pkg-config qtbase5-dev qt6-base-dev libpoco-dev)
case "$purpose" in
test | demo) packages=("${build[@]}" googletest libgtest-dev python3 python3-jsonschema fonts-dejavu-core fonts-wqy-microhei) ;;
fuzz) packages=("${build[@]}" clang libclang-rt-14-dev) ;;
bench) packages=("${build[@]}" libbenchmark-dev) ;;
*)
    echo "install-deps.sh: unknown purpose '$purpose' (test, demo, fuzz or bench)" >&2
    exit 2
    ;;
esac
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps.sh: these packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and this shell is neither root nor has sudo." >&2
        echo "Run as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi
echo "installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
