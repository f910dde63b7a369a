#!/usr/bin/env bash
# Sets up, builds and starts the window program. On the first start the
# example set is offered: the settings file beside the program is created with
# the example turnover CSV, definitions and workbook already chosen, and the
# other tabs set up for the other example files.
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
    # The other tabs set up for the other example files (README, Example).
    sed -n '/^\[Nastaveni\]/,$p' examples/obraty_xml.ini | tail -n +2 | grep -v '^AktivniList='
    printf 'CastkaVykaz=6\r\nPrvniRadekAktiva=3\r\nPrvniRadekPasiva=83\r\n'
    printf 'AktivniRadioButtonSBS=2\r\nTextVykazSBS=4\r\nOznaceniVykazSBS=2\r\nCastkaVykazSBS=3\r\nPrvniRadekRozvahaSBS=4\r\n'
  } > "$settings"
fi
exec ./build/gui/kalkora-import "$@"
