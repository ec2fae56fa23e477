#!/usr/bin/env bash
# Configures and builds the whole project into build/ (Ninja, RelWithDebInfo, warnings as errors:
# the developers' build; a user's or packager's build leaves VRK_WERROR off).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRK_WERROR=ON "$@" >/dev/null
cmake --build build --parallel "$(nproc)"
