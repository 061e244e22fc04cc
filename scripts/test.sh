#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
"$here/build.sh" "$@"
ctest --test-dir "${BUILD_DIR:-$here/../build}" --output-on-failure -j"$(nproc)"
