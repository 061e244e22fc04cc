#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator window.
# Without a mouse attached it uses the simulated mouse, whose memory is kept
# in a state file between runs; the window's title says so.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
"$here/build.sh"
bin="${BUILD_DIR:-$here/../build}/bin"
if "$bin/veltraxctl" list >/dev/null 2>&1; then
  exec "$bin/veltrax" "$@"
fi
state="${XDG_STATE_HOME:-$HOME/.local/state}/veltrax/simulated-mouse.bin"
mkdir -p "$(dirname "$state")"
echo "No VELTRAX mouse found: using the simulated mouse ($state)."
exec "$bin/veltrax" --simulate="$state" "$@"
