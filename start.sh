#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh" -DQUORBEL_TESTS=OFF
exec "$root/build/src/app/fftquorbel" "$@"
