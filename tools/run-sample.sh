#!/usr/bin/env bash
# Starts Wakeline on the bundled sample track; without a display, shows it through the CLI.
set -euo pipefail
build=${1:-build}
sample=data/samples/zigzag.trt
if [ -x "$build/wakeline" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$build/wakeline" "$sample"
fi
if [ -x "$build/wakeline" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing $sample through wakeline-cli."
fi
"$build/wakeline-cli" info "$sample"
if "$build/wakeline-cli" table --help >/dev/null 2>&1; then
  "$build/wakeline-cli" table "$sample" | head -n 25
fi
