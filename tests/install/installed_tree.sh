#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and checks the installed tree: the
# two programs, the menu entry, the icon and the AppStream metainfo are where desktops
# look for them, refer to one another by the right names, and pass both validators.
# Usage: installed_tree.sh BUILD_DIR [CMAKE]
set -euo pipefail
build="$1"
cmake="${2:-cmake}"
id=org.quorbel.fftquorbel

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The validators are part of the test set-up (scripts/setup.sh installs them); a
# missing one is a failure, never a skipped check.
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
# Both a private prefix and a private DESTDIR: a rule with an absolute destination
# would still land in the scratch folder, never in the machine's own directories.
DESTDIR="$scratch/destdir" "$cmake" --install "$build" --prefix "$prefix" > "$scratch/install.log" \
  || { cat "$scratch/install.log"; fail "cmake --install failed"; }
root="$scratch/destdir$prefix"
if [ -e "$scratch/destdir" ] && [ -n "$(find "$scratch/destdir" -path "$root" -prune -o -type f -print)" ]; then
  fail "files installed outside the prefix: $(find "$scratch/destdir" -path "$root" -prune -o -type f -print)"
fi

# Every file that must be installed, with the test it must pass.
while read -r test path; do
  [ "$test" "$root/$path" ] || fail "$path is missing or not $test"
done <<TABLE
-x bin/fftquorbel
-x bin/fftquorbel-cli
-f share/applications/$id.desktop
-f share/icons/hicolor/scalable/apps/$id.svg
-f share/metainfo/$id.metainfo.xml
-f share/fftquorbel/translations/fftquorbel_pt_BR.qm
-f share/fftquorbel/translations/fftquorbel_es.qm
-f share/fftquorbel/lessons/01-square-wave/lesson.txt
-f share/fftquorbel/lessons/02-real-sound/harmonics.wav
TABLE

# The menu entry starts an installed program and names an installed icon.
desktop="$root/share/applications/$id.desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$root/bin/$(entry Exec | cut -d' ' -f1)" ] || fail "Exec=$(entry Exec) is not an installed program"
[ "$(entry Icon)" = "$id" ] || fail "Icon=$(entry Icon) is not $id"
for category in Education Science Physics; do
  [[ ";$(entry Categories)" == *";$category;"* ]] || fail "Categories=$(entry Categories) lacks $category"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is not SVG"

# The installed companion runs.
"$root/bin/fftquorbel-cli" --help > /dev/null || fail "the installed fftquorbel-cli does not run"
# ... and finds its installed translations (an installed program never reads the build tree).
portuguese="$(LANGUAGE=pt_BR "$root/bin/fftquorbel-cli" --help)"
[[ "$portuguese" == "Uso: fftquorbel-cli [OPÇÃO]"* ]] \
  || fail "the installed fftquorbel-cli does not find its Portuguese translation"
spanish="$(LANGUAGE=es "$root/bin/fftquorbel-cli" --help)"
[[ "$spanish" == "Uso: fftquorbel-cli [OPCIÓN]"* ]] \
  || fail "the installed fftquorbel-cli does not find its Spanish translation"

# ... and draws SVG pictures with the installed media module.
"$root/bin/fftquorbel-cli" render "$scratch/pictures" --svg > /dev/null \
  && grep -q '<svg' "$scratch/pictures/fft.svg" \
  || fail "the installed fftquorbel-cli drew no SVG picture with its media module"

# Without its media module it still draws PNG pictures, and says why an SVG one cannot
# be drawn, in one line, instead of failing on its way.
mv "$root/lib/fftquorbel/fftquorbel-media.so" "$scratch/module.so"
"$root/bin/fftquorbel-cli" render "$scratch/plain" > /dev/null && [ -f "$scratch/plain/fft.png" ] \
  || fail "the installed fftquorbel-cli without its media module drew no PNG picture"
status=0
"$root/bin/fftquorbel-cli" render "$scratch/nosvg" --svg > /dev/null 2> "$scratch/nosvg.err" || status=$?
[ "$status" -eq 1 ] && grep -q 'module cannot be loaded' "$scratch/nosvg.err" \
  && [ "$(wc -l < "$scratch/nosvg.err")" -le 2 ] \
  || fail "without its media module, render --svg ended with $status: $(cat "$scratch/nosvg.err")"
mv "$scratch/module.so" "$root/lib/fftquorbel/fftquorbel-media.so"

# ... and checks the installed lessons strictly, as shipped lessons (an installed
# program finds them beside itself).
for lesson in "$root"/share/fftquorbel/lessons/*/; do
  "$root/bin/fftquorbel-cli" lesson "$lesson" > /dev/null || fail "the installed lesson $lesson is broken"
done

# desktop-file-validate reports hints (such as an entry in two main categories) that
# are no fault; errors and warnings are.
report="$(desktop-file-validate --no-hints "$desktop" 2>&1)" || { echo "$report"; fail "desktop-file-validate"; }
[ -z "$report" ] || { echo "$report"; fail "desktop-file-validate has remarks"; }

# --strict: any remark above the pedantic level fails; validate-tree also checks that
# the metainfo's launchable names the installed desktop entry.
appstreamcli validate --no-net --strict "$root/share/metainfo/$id.metainfo.xml" \
  || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"
echo "installed tree valid"
