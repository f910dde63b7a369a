#!/usr/bin/env bash
# Fails when an include points at a folder further down the layers, or when a
# Qt header is included outside the windows. Each folder may include itself
# and the folders named for it below; tests beside the code may also include
# testing/. Usage: check-layers.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A allowed=(
  [platform]="platform"
  [model]="platform model"
  [turnovers]="platform model turnovers"
  [statements]="platform model statements"
  [xlsx]="platform xlsx"
  [export]="platform model turnovers statements export"
  [libreoffice]="platform export libreoffice"
  [app]="platform model turnovers statements xlsx export libreoffice app"
  [gui]="platform model turnovers statements xlsx export libreoffice app gui"
  [cli]="platform model turnovers statements xlsx export libreoffice app cli"
)

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r file; do
    own="${allowed[$folder]}"
    case "$file" in *_test.cpp) own="$own testing" ;; esac
    while IFS=: read -r line target; do
      top="${target%%/*}"
      if [[ " $own " != *" $top "* ]]; then
        echo "$file:$line: includes \"$target\", which $folder/ may not use"
        status=1
      fi
    done < <(grep -nE '^\s*#\s*include\s+"[^"]+/' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)".*/\1:\2/')
    if [ "$folder" != gui ] && grep -nE '^\s*#\s*include\s+<Q' "$file" >/dev/null; then
      echo "$file: includes a Qt header outside gui/"
      status=1
    fi
  done < <(find "$folder" -name '*.cpp' -o -name '*.h')
done
[ "$status" -eq 0 ] && echo "layers: no include points at a folder further down"
exit "$status"
