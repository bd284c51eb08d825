#!/usr/bin/env bash
# Builds the plug-in and the host harness, then runs the quillhost demo on the simulated chain.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quillhost
exec build/default/bin/quillhost demo "$@"
