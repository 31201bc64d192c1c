#!/usr/bin/env bash
# Makes the Debian package of a build with CPack (stripped, Depends from dpkg-shlibdeps)
# and checks it as a user's machine would get it: unpacked with dpkg-deb into a
# temporary folder, its programs run from there without LD_LIBRARY_PATH and compute
# what the build computes; its control fields, copyright, changelog and manual pages
# are Debian's, it holds every file the project installs, and lintian finds no error.
# Usage: debian_package.sh BUILD_DIR [CPACK] [CMAKE]
set -euo pipefail
build="$1"
cpack="${2:-cpack}"
cmake="${3:-cmake}"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in dpkg-deb dpkg-shlibdeps file lintian readelf strings; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
umask 022
# The package of the tree already built: CPack installs it into its own staging folder
# under the output folder, strips the programs and asks dpkg-shlibdeps for Depends.
(cd "$build" && "$cpack" -G DEB -B "$scratch/out") > "$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; fail "cpack failed"; }
packages=("$scratch"/out/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made ${#packages[@]} packages"
deb="${packages[0]}"
field() { dpkg-deb -f "$deb" "$1"; }
name="$(field Package)"
version="$(field Version)"
root="$scratch/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
doc="$root/usr/share/doc/$name"

# --- control fields
[ "$(basename "$deb")" = "${name}_${version}_$(field Architecture).deb" ] \
  || fail "the file name $(basename "$deb") is not name_version_architecture.deb"
while read -r key expected; do
  [ "$(field "$key")" = "$expected" ] || fail "$key is \"$(field "$key")\", not \"$expected\""
done <<TABLE
Section education
Priority optional
Architecture $(dpkg --print-architecture)
TABLE
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the Description has no long description"
[ -z "$(field Homepage)" ] || fail "a Homepage is set: $(field Homepage)"

# Depends names, with a version from its symbols file, the package of every library
# the programs and their media module load: a hand list would miss one or carry no
# version. The libraries the programs load by name on first use are named in them.
depends="$(field Depends)"
[ -n "$depends" ] || fail "no Depends"
ldconfig="$(command -v ldconfig || echo /sbin/ldconfig)"
cache="$("$ldconfig" -p)"
declare -A library=()
module="$(find "$root/usr/lib" -name fftquorbel-media.so)"
[ -f "$module" ] || fail "the media module is not packaged"
for program in "$root"/usr/bin/* "$module"; do
  for soname in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') \
    $(strings "$program" | grep -E '^lib[a-z0-9]+\.so\.[0-9]+$' || true); do
    path="$(awk -v s="$soname" '$1 == s && !found { print $NF; found = 1 }' <<< "$cache")"
    [ -n "$path" ] || fail "$soname of $(basename "$program") is not a library of this machine"
    library[$soname]="$path"
  done
done
# One question to dpkg for all of them (it reads its whole file list each time); a
# library is known under the path the linker cache gives or under its real path.
paths=()
for soname in "${!library[@]}"; do
  paths+=("${library[$soname]}" "$(readlink -f "${library[$soname]}")")
done
owners="$(dpkg -S "${paths[@]}" 2> /dev/null || true)"
for soname in "${!library[@]}"; do
  path="${library[$soname]}"
  real="$(readlink -f "$path")"
  owner="$(awk -v a="$path" -v b="$real" '($2 == a || $2 == b) && !found { print $1; found = 1 }' <<< "$owners")"
  owner="${owner%%:*}"
  [ -n "$owner" ] || fail "no package holds $path ($soname)"
  [[ ", $depends," == *", $owner ("* ]] || [[ ", $depends," == *", $owner,"* ]] \
    || fail "Depends lacks $owner, the package of $soname: $depends"
done
[[ "$depends" == *"libc6 (>= "* ]] || fail "Depends has no versioned libc6: $depends"

# --- contents: every file the project installs, the programs stripped
DESTDIR="$scratch/installed" "$cmake" --install "$build" --prefix /usr > /dev/null \
  || fail "cmake --install failed"
(cd "$scratch/installed" && find . -type f | sort) > "$scratch/installed.list"
(cd "$root" && find . -type f | sort) > "$scratch/packaged.list"
diff "$scratch/installed.list" "$scratch/packaged.list" > /dev/null \
  || fail "the package and the install rules differ: $(diff "$scratch/installed.list" "$scratch/packaged.list" | grep '^[<>]' | tr '\n' ' ')"
for program in fftquorbel fftquorbel-cli; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is missing"
  [[ "$(file "$root/usr/bin/$program")" == *", stripped"* ]] || fail "usr/bin/$program is not stripped"
done

# --- documents: a manual page for every program, DEP-5 copyright, Debian changelog
for program in "$root"/usr/bin/*; do
  page="$root/usr/share/man/man1/$(basename "$program").1.gz"
  [ -f "$page" ] || fail "no manual page for $(basename "$program")"
  gzip -t "$page" || fail "$page is not gzip"
  title="$(basename "$program" | tr '[:lower:]' '[:upper:]')"
  text="$(zcat "$page")"
  grep -q "^\.TH $title 1 " <<< "$text" || fail "$(basename "$page") has no .TH $title 1 line"
  grep -q '^\.SH DESCRIPTION' <<< "$text" || fail "$(basename "$page") has no DESCRIPTION"
done
# The companion's page holds its --help text.
grep -q '^\.SS Options, applied in this order' <<< "$(zcat "$root/usr/share/man/man1/fftquorbel-cli.1.gz")" \
  || fail "the companion's page lacks its options"
[ "$(head -n 1 "$doc/copyright")" = \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] \
  || fail "copyright is not in the machine-readable format"
license="$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' \
  "$root/usr/share/metainfo/org.quorbel.fftquorbel.metainfo.xml")"
[ "$license" = GPL-3.0-or-later ] || fail "the metainfo's license is $license"
[ "$(awk '/^Files: \*$/ { getline; getline; print; exit }' "$doc/copyright")" = 'License: GPL-3+' ] \
  || fail "copyright does not put every file under GPL-3+"
grep -q "^$name ($version) " <<< "$(zcat "$doc/changelog.gz" | sed -n 1p)" \
  || fail "changelog.gz does not start with $name ($version)"

# --- the packaged programs run from the unpacked folder alone
cli="$root/usr/bin/fftquorbel-cli"
env -u LD_LIBRARY_PATH "$cli" --help > "$scratch/help" || fail "the packaged fftquorbel-cli --help failed"
grep -q '^Usage: fftquorbel-cli' "$scratch/help" || fail "the packaged --help has no usage line"
while read -r arguments; do
  # shellcheck disable=SC2086
  env -u LD_LIBRARY_PATH "$cli" $arguments > "$scratch/packaged.out" \
    || fail "the packaged fftquorbel-cli $arguments failed"
  # shellcheck disable=SC2086
  "$build/src/cli/fftquorbel-cli" $arguments > "$scratch/built.out"
  [ -s "$scratch/packaged.out" ] || fail "fftquorbel-cli $arguments printed nothing"
  cmp -s "$scratch/packaged.out" "$scratch/built.out" \
    || fail "the packaged fftquorbel-cli $arguments differs from the build's"
done <<TABLE
report
--wave square --cycles 10 graph
TABLE
# It draws an SVG picture with its packaged media module.
env -u LD_LIBRARY_PATH "$cli" render "$scratch/pictures" --svg > /dev/null \
  && grep -q '<svg' "$scratch/pictures/ft.svg" \
  || fail "the packaged fftquorbel-cli drew no SVG picture with its media module"
# The window program loads its libraries and says, without a display, that it needs one.
status=0
env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LANGUAGE=en \
  "$root/usr/bin/fftquorbel" > /dev/null 2> "$scratch/window.err" || status=$?
[ "$status" -eq 1 ] && grep -q 'no display available' "$scratch/window.err" \
  || fail "the packaged fftquorbel did not start as expected (status $status): $(cat "$scratch/window.err")"

# --- lintian: no error
lintian --fail-on error "$deb" > "$scratch/lintian.log" 2>&1 \
  || { cat "$scratch/lintian.log"; fail "lintian reports errors"; }
echo "package $(basename "$deb") valid"
