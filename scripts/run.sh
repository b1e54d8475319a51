#!/usr/bin/env bash
# The main job: installs what is missing, builds, starts a simulated radio on a
# pseudo-terminal and opens xkm-cps with that radio chosen as its port. Reading, editing,
# saving and writing work at once; the simulator stops when the window closes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
apps="$top/build/apps"

# The radio starts with the sample codeplug; its memory is saved after every write.
port_file=$(mktemp)
"$apps/xkm-radio-sim" --from "$top/samples/demo-u800.dat" --save "$top/build/radio-memory.dat" \
    >"$port_file" &
sim=$!
trap 'kill "$sim" 2>/dev/null; rm -f "$port_file"' EXIT
for _ in $(seq 50); do [[ -s "$port_file" ]] && break; sleep 0.1; done
port=$(head -n 1 "$port_file")
[[ -n "$port" ]] || { echo "The simulated radio did not start." >&2; exit 1; }
echo "Simulated radio on $port (its memory is saved to build/radio-memory.dat after a write)."

# Choose that port in SysInfo.Ini beside the program, keeping everything else in the file.
ini="$apps/SysInfo.Ini"
if [[ -f "$ini" ]] && grep -qi '^[[:space:]]*com[[:space:]]*=' "$ini"; then
    sed -i "s|^\([[:space:]]*[Cc][Oo][Mm][[:space:]]*=\).*|\1$port|" "$ini"
elif [[ -f "$ini" ]] && grep -qi '^\[sysinfo\]' "$ini"; then
    sed -i "/^\[[Ss][Yy][Ss][Ii][Nn][Ff][Oo]\]/a Com=$port" "$ini"
else
    printf '[SysInfo]\nCom=%s\n' "$port" >>"$ini"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "There is no desktop to show the window on; reading the simulated radio with xkm-cli instead."
    "$apps/xkm-cli" read --port "$port" -o "$top/build/read-demo.dat"
    "$apps/xkm-cli" info "$top/build/read-demo.dat"
    exit 0
fi
"$apps/xkm-cps"
