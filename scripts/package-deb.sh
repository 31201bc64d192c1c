#!/usr/bin/env bash
# Builds FFT Quorbel in Release in a folder of its own (./build-deb) and makes the Debian
# package with CPack from every install rule of the project, checks it with lintian
# (any error fails), and prints the package's path on its last line.
# Extra arguments go to the configure step.
# Usage: scripts/package-deb.sh [CMAKE-OPTION]...
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-deb"
log="$root/build-deb.log"
"$root/scripts/setup.sh" package

# Files and folders in the package get the modes Debian expects (644 and 755).
umask 022
# Debian's own compiler and linker flags: fortified functions, stack protector,
# read-only relocations bound at start-up.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORBEL_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
  "$@" > "$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build "$build" -j "$(nproc)" >> "$log" 2>&1 || { tail -n 60 "$log"; exit 1; }
(cd "$build" && cpack -G DEB -B "$build/package") >> "$log" 2>&1 || { tail -n 60 "$log"; exit 1; }

version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
name="$(sed -n 's/^set(CPACK_PACKAGE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
package="$build/package/${name}_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || { tail -n 20 "$log"; echo "no package $package was made" >&2; exit 1; }

# lintian's findings go to standard error; an error fails the script.
lintian --fail-on error "$package" >&2
echo "$package"
