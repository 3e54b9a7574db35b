#!/usr/bin/env bash
# Installs the Debian packages that building, testing, fuzzing and running Plattenwerk need.
# Idempotent: asks apt only for what is missing, and does nothing when everything is there.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config
  # libraries
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  libfreetype-dev libfontconfig-dev nlohmann-json3-dev
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
  # the format check of changed lines in .ci/run
  clang-format-14 git
  # fonts the text engine measures with
  fonts-liberation2 fontconfig
  # headless runs of the window and screenshots
  xvfb xauth x11-utils imagemagick
  # independent readers of our outputs in the tests (PDF, SVG)
  poppler-utils librsvg2-bin
  # checks of the installed tree (desktop entry, metainfo, file types, manual pages) and the
  # Debian package (dpkg-shlibdeps)
  desktop-file-utils appstream libxml2-utils shared-mime-info man-db groff-base dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
