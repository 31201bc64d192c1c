#!/usr/bin/env bash
# Builds the fuzz targets with clang into ./build-fuzz and runs each one for SECONDS
# seconds, starting from its seeds in fuzz/corpus/<target>/ (new inputs go to
# build-fuzz/corpus/<target>/; the seeds in the repository are only read). Prints the
# executions per target; exits non-zero when a target finds a crash, whose input is
# left in build-fuzz/artifacts/.
set -euo pipefail
seconds="${1:?usage: fuzz/run.sh SECONDS}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

"$root/scripts/setup.sh"
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  > "$root/build-fuzz.log" 2>&1 || { cat "$root/build-fuzz.log"; exit 1; }
cmake --build "$build" -j "$(nproc)" >> "$root/build-fuzz.log" 2>&1 \
  || { tail -n 60 "$root/build-fuzz.log"; exit 1; }

# Leaks inside system libraries that are not ours are named in CI's suppressions.
if [ -f "$root/.ci/lsan.supp" ]; then
  export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
fi

status=0
for source in "$root"/fuzz/targets/*.cpp; do
  name="$(basename "$source" .cpp)"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/artifacts" "$root/fuzz/corpus/$name"
  log="$build/$name.log"
  if "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
       "$work" "$root/fuzz/corpus/$name" > "$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "$name: ${runs:-?} executions, no crash"
  else
    echo "$name: CRASH (input in $build/artifacts/)"
    tail -n 40 "$log"
    status=1
  fi
done
exit "$status"
