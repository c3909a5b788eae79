#!/usr/bin/env bash
# Installs the Debian packages that Vexel needs and that are missing.
#   scripts/deps.sh build   what building and playing needs
#   scripts/deps.sh test    that, plus what the whole test suite needs
# As root it uses apt-get, otherwise sudo; when neither is possible it
# prints the exact command to run and stops.
set -euo pipefail

build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev fonts-dejavu-core libsqlite3-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libsdl2-dev libsdl2-mixer-dev libasound2-dev
)
test_packages=(
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth openbox
    desktop-file-utils appstream man-db groff-base dpkg-dev file
    lintian x11-utils sqlite3
)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "usage: $0 [build|test]" >&2
        exit 2
        ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
manual="sudo apt-get update && sudo apt-get install -y ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
    if ! { sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "Installing with sudo failed. Run this, then try again:" >&2
        echo "  $manual" >&2
        exit 1
    fi
else
    echo "Cannot install packages without root or sudo. Run this as root, then try again:" >&2
    echo "  $manual" >&2
    exit 1
fi
