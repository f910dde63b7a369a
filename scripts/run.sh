#!/usr/bin/env bash
# Sets up, builds and starts the window program. On the first start the
# example set is offered: the settings file beside the program is created with
# the example turnover CSV, definitions and workbook already chosen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
settings=build/gui/kalkora-import.ini
if [ ! -e "$settings" ]; then
  here=$(pwd)
  {
    printf '[Cesta k datum]\r\n'
    printf 'CestakFA=%s\r\n' "$here/build/examples/kalkora_priklad.xlsx"
    printf 'CestakSouboru=%s\r\n' "$here/examples/obraty.csv"
    printf 'CestakRozvaze=%s\r\n' "$here/examples/list_rozvaha.txt"
    printf 'CestakVysledovce=%s\r\n' "$here/examples/list_vysledovka.txt"
    printf '[Nastaveni]\r\nUcet=1\r\nCastka=3\r\nPrvniRadek=2\r\nAktivniList=1\r\n'
  } > "$settings"
fi
exec ./build/gui/kalkora-import "$@"
