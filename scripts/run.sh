#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows the sample codeplug.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
cli="$top/build/apps/xkm-cli"
"$cli" info "$top/samples/demo-u800.dat"
echo
"$cli" export "$top/samples/demo-u800.dat" --format csv
