#!/usr/bin/env bash
# Builds the suite and starts one program: glintwork (the default), facelister,
# glyphmatch or charboard.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/setup.sh"

program="${1:-glintwork}"
case "$program" in
    glintwork|facelister|glyphmatch|charboard) ;;
    *) echo "Unknown program '$program': choose glintwork, facelister, glyphmatch or charboard." >&2
       exit 2 ;;
esac

build_suite "$KERNCRAFT_BUILD"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "$program: no display is available (DISPLAY is not set); run it from a desktop session." >&2
    exit 1
fi
exec "$KERNCRAFT_BUILD/bin/$program"
