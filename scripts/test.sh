#!/usr/bin/env bash
# Sets up, builds and runs every test (window tests without a display).
# With --quick it leaves out the tests labelled slow (those that start
# LibreOffice) and runs everything else.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  "") slow=() ;;
  --quick) slow=(-LE slow) ;;
  *) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure "${slow[@]}"
