#!/usr/bin/env bash
# Sets up everything the test suite needs and runs it with ctest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${MUSARIX_BUILD_DIR:-$root/build}"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
# Widgets are painted for real, but without a display.
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
