#!/usr/bin/env bash
# Configures and builds into ./build (extra arguments go to the configure step). A build
# without the tests (-DQUORBEL_TESTS=OFF) installs only what the program needs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
purpose=test
for argument in "$@"; do
  [ "$argument" = -DQUORBEL_TESTS=OFF ] && purpose=run
done
"$root/scripts/setup.sh" "$purpose"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > "$root/build.log" 2>&1 \
  || { cat "$root/build.log"; exit 1; }
cmake --build "$root/build" -j "$(nproc)" >> "$root/build.log" 2>&1 \
  || { tail -n 60 "$root/build.log"; exit 1; }
