#!/usr/bin/env bash
# Sets up Musarix on this machine and starts it on the demo catalogue:
# installs the Debian packages, builds, builds the demo catalogue, registers
# the data source "MUSARIX" for the current user, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${MUSARIX_BUILD_DIR:-$root/build}"
data="$build/bin/data"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

"$build/bin/musarix-build" "$root/catalogue" "$data"
"$root/scripts/register-dsn.sh" "$data/Musarix.db"

if [[ -x "$build/bin/musarix" ]]; then
  exec "$build/bin/musarix"
fi
echo "The demo catalogue is built in $data and the data source MUSARIX points at it."
echo "The program itself is not part of this build yet."
