#!/usr/bin/env bash
# Builds and starts the program. The window is not built yet: for now this builds the Windows
# libraries, and tools/test.sh shows what they do.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
echo "The window comes with the next step; tools/test.sh runs every test of both builds."
