#!/usr/bin/env bash
# Builds one libFuzzer harness of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for the given seconds on its seed
# corpus. New inputs go to build-fuzz/corpus/<target>, inputs that fail to
# build-fuzz/findings/; the seed corpus in fuzz/corpus stays as it is.
# Usage: scripts/fuzz.sh <target> [seconds]
#   targets: csv_turnovers xml_turnovers definitions csv_statements ruz
#            tax_returns p501 settings xlsx_bytes xlsx_parts
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: scripts/fuzz.sh <target> [seconds]}"
seconds="${2:-60}"
bash scripts/setup-debian.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALKORA_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "fuzz_$target"
mkdir -p "build-fuzz/corpus/$target" build-fuzz/findings
exec "./build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
  -artifact_prefix=build-fuzz/findings/ "build-fuzz/corpus/$target" "fuzz/corpus/$target"
