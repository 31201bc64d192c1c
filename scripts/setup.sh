#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: asks the package manager only for what is missing.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
  desktop-file-utils appstream
  poppler-utils
  clang libclang-rt-14-dev
  qt6-svg-dev
  libsndfile1-dev pkg-config
  libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
