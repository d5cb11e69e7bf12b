#!/bin/sh
# Installs what is missing, builds Sorvita and starts it.
#   scripts/run.sh          plays on the bundled demo pictures
#   scripts/run.sh DIR      plays in DIR, the folder that holds a teacher's "obr"
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default

if [ ! -x build/windows/sorvita ]; then
    echo "run: the quiz windows are not built yet" >&2
    exit 1
fi
