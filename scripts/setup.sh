#!/bin/sh
# Installs the Debian packages that building, running and testing Sorvita need.
# Idempotent: does nothing when every package is already present.
# Works as root, or through sudo for any other user.
set -eu

PACKAGES="
cmake
ninja-build
g++
pkg-config
libgtest-dev
libbenchmark-dev
qt6-base-dev
libjpeg62-turbo-dev
fonts-liberation2
xvfb
xauth
xdotool
"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $p" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "setup: installing$missing" >&2
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "setup: need root or sudo to install:$missing" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# A stale package index makes installs fail with 404s; refresh it once if the first try fails.
if ! $SUDO apt-get install -y --no-install-recommends $missing; then
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends $missing
fi
