#!/usr/bin/env bash
# Renders the pictures of the README's "First steps" into docs/ with the command-line
# companion of a build (./build unless another companion is named): the main window's
# two graphs and the musical graph, all for the default opening parameters.
# Usage: scripts/render-docs.sh [PATH-TO-fftquorbel-cli]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${1:-$root/build/src/cli/fftquorbel-cli}"
export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$cli" render "$scratch/linear" > /dev/null
"$cli" --log render "$scratch/musical" > /dev/null
mkdir -p "$root/docs"
cp "$scratch/linear/ft.png" "$scratch/linear/fft.png" "$scratch/musical/music.png" "$root/docs/"
