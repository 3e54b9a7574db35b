#!/usr/bin/env bash
# Starts the program on the example document, or, without a display, says so and renders the
# example with the command-line tool instead.
set -euo pipefail
build=${1:-build}
example=${2:-data/Beispiele/Beispiel.fpl}
gui="$build/src/ui/plattenwerk"
cli="$build/src/cli/plattenwerk-cli"
if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$gui" "$example"
fi
if [ ! -x "$gui" ]; then
  echo "The program window is not built yet."
else
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)."
fi
if [ -x "$cli" ] && [ -f "$example" ]; then
  out="$build/example.png"
  QT_QPA_PLATFORM=offscreen "$cli" render "$example" "$out"
  echo "Rendered $example to $out with plattenwerk-cli."
else
  echo "What works already: the document model, its file format and the tests (make test)."
fi
