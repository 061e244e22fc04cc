#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang into build-fuzz/
# (BUILD_DIR) and runs each for SECONDS (default 20) from a seed corpus of
# the golden files and the built-in texts and pictures. The corpora grow in
# build-fuzz/corpus/; an input that crashes a harness is kept in
# build-fuzz/crashes/ and fails the script.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
seconds=${1:-20}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-fuzz}

"$here/setup.sh"
"$here/setup.sh" "$here/fuzz-packages.txt"
CC=clang CXX=clang++ BUILD_DIR="$build_dir" BUILD_TYPE=RelWithDebInfo "$here/build.sh" -DVELTRAX_FUZZ=ON

# harness: seed files
declare -A seeds=(
  [Profile]="$root/tests/data/*.bin"
  [MacroRecord]="$root/tests/data/macro/*.bin"
  [MacroFiles]="$root/tests/data/macro/*.bin $root/tests/data/*.bin"
  [IniLayout]="$root/resources/layout/*.ini"
  [LanguageTable]="$root/resources/lang/*.ini"
  [Png]="$root/resources/skin/BtnS_0*.png $root/resources/skin/CbS_*.png"
  [Gif]="$root/resources/skin/*.gif"
  [ReportDescriptor]="$root/tests/fuzz/seeds/*.bin"
)

mkdir -p "$build_dir/crashes"
failed=()
for harness in "${!seeds[@]}"; do
  corpus="$build_dir/corpus/$harness"
  mkdir -p "$corpus"
  # shellcheck disable=SC2086  # the seed patterns are meant to expand
  cp -n ${seeds[$harness]} "$corpus/" 2>/dev/null || true
  echo "fuzzing $harness for ${seconds}s"
  if ! "$build_dir/bin/fuzz_$harness" -max_total_time="$seconds" -print_final_stats=0 \
      -artifact_prefix="$build_dir/crashes/$harness-" "$corpus" >"$build_dir/fuzz_$harness.log" 2>&1; then
    tail -n 30 "$build_dir/fuzz_$harness.log"
    failed+=("$harness")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build_dir/crashes/)"
  exit 1
fi
echo "fuzzing found nothing in ${#seeds[@]} harnesses"
