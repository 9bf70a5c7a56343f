#!/usr/bin/env bash
# Configures and builds Musarix into build/ (or $MUSARIX_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${MUSARIX_BUILD_DIR:-$root/build}"

generator=()
if command -v ninja >/dev/null 2>&1 && [[ ! -f "$build/CMakeCache.txt" || -f "$build/build.ninja" ]]; then
  generator=(-G Ninja)
fi
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
