#!/usr/bin/env bash
# Renders Glintwork's formatted Arabic words with the office suite (RTF to PDF to PNG) and
# the web browser (HTML to PNG) and checks they come out joined and in order. Kept out of
# the ordinary test run: it needs LibreOffice Writer, poppler and Chromium.
set -euo pipefail
KERNCRAFT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KERNCRAFT_BUILD="${KERNCRAFT_BUILD:-$KERNCRAFT_ROOT/build/release}"
for tool in soffice pdftoppm chromium; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: apt-get install libreoffice-writer-nogui poppler-utils chromium"
        exit 2
    }
done
QT_QPA_PLATFORM=offscreen "$KERNCRAFT_BUILD/bin/glintwork_ui_tests" \
    --gtest_also_run_disabled_tests --gtest_filter='DISABLED_ExternalReaders.*'
