#!/usr/bin/env bash
# Installs the Debian packages the program needs: `setup.sh run` what building and
# running it takes (./start.sh), `setup.sh test` (the default) that and the tools of
# the tests, the benchmarks and fuzzing (./test.sh, fuzz/run.sh), `setup.sh package`
# what building it and making its Debian package take (scripts/package-deb.sh).
# Idempotent: asks the package manager only for what is missing.
set -euo pipefail

purpose="${1:-test}"
case "$purpose" in
  run | test | package) ;;
  *) echo "usage: scripts/setup.sh [run|test|package]" >&2; exit 2 ;;
esac

# Building and running: the compiler, Qt, libsndfile, the X connection check and the
# fonts the drawings are measured in.
packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev qt6-svg-dev
  libsndfile1-dev libxcb1-dev
  qt6-tools-dev qt6-l10n-tools       # the translations: lrelease, lupdate
  qt6-translations-l10n              # Qt's own dialogs in the user's language
  fonts-liberation2 fonts-dejavu-core
  qt6-multimedia-dev libsamplerate0-dev  # playing sound, and changing its rate
  libpulse-dev                           # asking whether the sound server answers
  gstreamer1.0-plugins-base              # the media back end Qt Multimedia loads
)
if [ "$purpose" = test ]; then
  packages+=(
    libgtest-dev libgmock-dev          # the tests
    xvfb xauth poppler-utils           # windows without a desktop, printed pages
    desktop-file-utils appstream       # the installed tree's validators
    libbenchmark-dev libfftw3-dev      # the benchmarks and their reference
    clang libclang-rt-14-dev           # fuzzing
    python3-numpy python3-matplotlib sox  # the spectrogram benchmark's references
    pulseaudio pulseaudio-utils        # the tests' own sound server, parec and paplay
  )
fi

# Making the Debian package (the tests make one too): dpkg-shlibdeps and file work out
# its dependencies, lintian checks it.
if [ "$purpose" = test ] || [ "$purpose" = package ]; then
  packages+=(dpkg-dev file lintian)
fi

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
