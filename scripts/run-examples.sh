#!/usr/bin/env bash
# Builds the library and the command-line decoder (no tests), then decodes examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DTHARVEL_TESTS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target tharvel-decode tharvel
build-run/tharvel-decode examples/*.txt
