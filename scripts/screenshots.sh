#!/usr/bin/env bash
# Saves pictures of the main window (with the sample codeplug) and of each dialog, as a
# user would see them, into the folder given (default: screenshots/, not committed).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/screenshots}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
xvfb-run -a -s "-screen 0 1366x768x24" "$top/build/apps/xkm-screenshots" "$out" "$top/samples/demo-u800.dat"
