#!/bin/sh
# Installs what is missing, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"
