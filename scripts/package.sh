#!/usr/bin/env bash
# Builds the Debian package in Release, without tests or benchmarks: build-package/vrk_*.deb.
# Extra arguments go to CMake (CI adds -DVRK_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVRK_BUILD_TESTS=OFF \
  -DVRK_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build build-package --parallel "$(nproc)"
rm -f build-package/vrk_*.deb
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/vrk_*.deb
