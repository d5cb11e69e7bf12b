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

if [ $# -gt 0 ]; then
    place="$1"
    if [ ! -d "$place/obr" ]; then
        echo "run: $place holds no picture folder \"obr\"; the quiz will report every missing picture" >&2
    fi
else
    place="$root/build/demo"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display to open the quiz window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "run: start it from a desktop session, or under a virtual one: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi

cd "$place"
exec "$root/build/windows/sorvita"
