#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator window.
# Without a usable mouse it says why (veltraxctl list: no mouse, no
# permission and the command that gives it, another release) and uses the
# simulated mouse, whose memory is kept in a state file between runs; the
# window's title says so.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
"$here/build.sh"
bin="${BUILD_DIR:-$here/../build}/bin"
# list prints the mouse it would use on stdout, or why there is none on stderr.
if why=$("$bin/veltraxctl" list 2>&1 >/dev/null); then
  exec "$bin/veltrax" "$@"
fi
echo "${why#veltraxctl: }"
state="${XDG_STATE_HOME:-$HOME/.local/state}/veltrax/simulated-mouse.bin"
mkdir -p "$(dirname "$state")"
echo "Using the simulated mouse meanwhile ($state)."
exec "$bin/veltrax" --simulate="$state" "$@"
