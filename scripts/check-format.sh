#!/usr/bin/env bash
# Checks that the C++ lines changed since a base commit are formatted as .clang-format says.
#   scripts/check-format.sh [BASE]
# BASE is the argument, else $PW_FORMAT_BASE, else the commit before HEAD (for a merge, its
# first parent: the lines the merge brings). Uncommitted changes count as changed. Only changed
# lines are checked, so older code is formatted when it is next touched.
set -euo pipefail
cd "$(dirname "$0")/.."

base=${1:-${PW_FORMAT_BASE:-HEAD~1}}
if ! git rev-parse --verify -q "${base}^{commit}" >/dev/null; then
  echo "format check: there is no commit ${base} to compare with (a shallow clone?); nothing checked"
  exit 0
fi

out=$(git clang-format-14 --binary clang-format-14 --extensions cpp,h --diff "$base")
if [[ "$out" == diff* ]]; then
  echo "$out"
  echo "format check: lines changed since ${base} are not formatted;" \
    "run: git clang-format-14 --binary clang-format-14 ${base}"
  exit 1
fi
echo "format check: the C++ lines changed since ${base} are formatted"
