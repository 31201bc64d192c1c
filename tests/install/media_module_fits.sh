#!/usr/bin/env bash
# The media module calls our own code in the program that loads it (it never carries
# that code itself): every such symbol it needs must be exported by each program, or
# loading the module would fail where sound, printing or SVG is first wanted.
# Usage: media_module_fits.sh MODULE PROGRAM...
set -euo pipefail
module="$1"
shift
needed="$(nm -D --undefined-only "$module" | awk '{ print $NF }' | grep 'quorbel' | sort -u)"
[ -n "$needed" ] || { echo "FAIL: $module needs none of our code: is it linked into it?" >&2; exit 1; }
for program in "$@"; do
  missing="$(comm -23 <(echo "$needed") <(nm -D --defined-only "$program" | awk '{ print $NF }' | sort -u))"
  if [ -n "$missing" ]; then
    echo "FAIL: $(basename "$program") does not export what the media module calls:" >&2
    c++filt <<< "$missing" >&2
    exit 1
  fi
done
echo "the media module fits $#" programs
