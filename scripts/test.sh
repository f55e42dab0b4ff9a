#!/usr/bin/env bash
# Builds the suite and runs every test with CTest; widget tests use the offscreen platform.
# KERNCRAFT_BUILD names another build folder, extra arguments go to CMake's configure step.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/setup.sh"

build_suite "$KERNCRAFT_BUILD" "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$KERNCRAFT_BUILD" --output-on-failure --parallel "$(nproc)" --timeout 600
