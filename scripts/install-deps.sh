#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing; packages
# named as arguments too (scripts/check-package.sh names the tools it checks the package with).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6: Widgets, Print Support, Test
  libgtest-dev                                # GoogleTest
  fonts-liberation                            # fixed-pitch "Courier" and "Arial" substitutes
  poppler-utils                               # pdftotext / pdfinfo, used by the printing tests
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
