#!/usr/bin/env bash
# Sets up, builds and starts the window program with the example files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/app/kalkora-import "$@"
