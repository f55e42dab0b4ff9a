#!/usr/bin/env bash
# Renders the programs' icons (packaging/icons/<program>.svg) into the PNG sizes that are
# committed beside them; run after changing a drawing.
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/icons" && pwd)"
for program in glintwork facelister glyphmatch charboard; do
    for size in 16 32 48 256; do
        rsvg-convert -w "$size" -h "$size" "$icons/$program.svg" -o "$icons/$program-$size.png"
    done
done
