#!/usr/bin/env bash
# Starts the program on a document: the one given, else the program directory's copy of the
# example (the program seeds that directory on its first start), so that saving never changes
# the example committed in data/. Without a display it says so and renders the document with the
# command-line tool instead.
set -euo pipefail
build=${1:-build}
home=${PLATTENWERK_HOME:-${XDG_CONFIG_HOME:-${HOME:-}/.config}/plattenwerk}
document=${2:-$home/Beispiele/Beispiel.fpl}
gui="$build/src/ui/plattenwerk"
cli="$build/src/cli/plattenwerk-cli"
if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$gui" "$document"
fi
if [ ! -x "$gui" ]; then
  echo "The program window is not built yet."
else
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)."
fi
# Before the program's first start there is no copy yet; the committed example is only read.
[ -n "${2:-}" ] || [ -f "$document" ] || document=data/Beispiele/Beispiel.fpl
if [ -x "$cli" ] && [ -f "$document" ]; then
  out="$build/example.png"
  QT_QPA_PLATFORM=offscreen "$cli" render "$document" "$out"
  echo "Rendered $document to $out with plattenwerk-cli."
else
  echo "What works already: the document model, its file format and the tests (make test)."
fi
