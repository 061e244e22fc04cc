#!/usr/bin/env bash
# Regenerates the built-in resources: language tables, options and layouts,
# the skin's pictures and the resource list. Commit the results.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
here=$root/tools/skingen
python3 "$here/make_texts.py" "$root/resources"
python3 "$here/make_layouts.py" "$root/resources"
cmake -S "$root" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target skingen
QT_QPA_PLATFORM=offscreen "$build_dir/bin/skingen" "$root/resources"
python3 "$here/make_qrc.py" "$root/resources"
