#!/usr/bin/env bash
# scripts/run.sh (make run) starts the program on the program directory's copy of the example,
# never on the example committed in data/, or on the document it is given. A stand-in program
# records what it was asked to open.
set -euo pipefail
source_dir=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/build/src/ui"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$tmp" > "$tmp/build/src/ui/plattenwerk"
chmod +x "$tmp/build/src/ui/plattenwerk"
cd "$source_dir"

expect() {
  local want=$1
  shift
  env -u PLATTENWERK_HOME -u XDG_CONFIG_HOME DISPLAY=:99 "$@" scripts/run.sh "$tmp/build" ${DOC:-} > /dev/null
  if [ "$(cat "$tmp/opened")" != "$want" ]; then
    echo "opened $(cat "$tmp/opened"), expected $want"
    exit 1
  fi
}
expect "$tmp/home/Beispiele/Beispiel.fpl" PLATTENWERK_HOME="$tmp/home"
expect "$tmp/config/plattenwerk/Beispiele/Beispiel.fpl" XDG_CONFIG_HOME="$tmp/config"
expect "$tmp/user/.config/plattenwerk/Beispiele/Beispiel.fpl" HOME="$tmp/user"
DOC=mine.fpl expect mine.fpl PLATTENWERK_HOME="$tmp/home"
echo "run.sh opens the program directory's copy"
