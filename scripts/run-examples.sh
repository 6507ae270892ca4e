#!/usr/bin/env bash
# Builds the library and the command-line decoder, then decodes examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHARVEL_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)" --target tharvel-decode tharvel
build/tharvel-decode examples/*.txt
