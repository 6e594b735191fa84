#!/usr/bin/env bash
# Builds the fuzz targets with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, build-fuzz/) and runs each for SECONDS (default 60), starting from
# its seeds in fuzz/seeds/ and the corpus earlier runs grew. Any finding (a
# crash, a sanitizer report, a leak, a hang, a run out of memory) fails the
# script; the input that caused it is kept in build-fuzz/findings/.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
# clang and its sanitizer and libFuzzer runtimes, besides the normal build.
scripts/install-deps.sh clang libclang-rt-dev

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DBUILD_TESTING=OFF -DHORONAMI_BENCH=OFF -DHORONAMI_FUZZ=ON \
  -DHORONAMI_SANITIZE=address,undefined,float-cast-overflow >/dev/null
targets=$(sed -n '/^set(HORONAMI_FUZZ_TARGETS/,/^)/{/^  /p}' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
if ! cmake --build build-fuzz -j2 --target $targets >build-fuzz/build.log 2>&1; then
  tail -30 build-fuzz/build.log >&2
  exit 1
fi

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p build-fuzz/findings
failed=()
printf '%-22s %14s\n' target executions > build-fuzz/fuzz-summary.txt
for target in $targets; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  log=build-fuzz/$target.log
  if build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- \
      "$corpus" fuzz/seeds/"$target" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    failed+=("$target")
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-22s %14s %s\n' "$target" "${runs:-?}" "$result" | tee -a build-fuzz/fuzz-summary.txt
done
if ((${#failed[@]})); then
  echo "findings in: ${failed[*]} (see build-fuzz/*.log and build-fuzz/findings/)" >&2
  exit 1
fi
