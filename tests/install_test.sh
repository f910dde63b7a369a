#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and uses the installed files as a
# user of the installed program would: the desktop entry and the metainfo
# pass their validators, kalkora-cli explains itself and exports the
# installed examples with the settings in the user's own folder.
# Usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$scratch/root/usr"
desktop=share/applications/cz.kalkora.KalkoraImport.desktop
metainfo=share/metainfo/cz.kalkora.KalkoraImport.metainfo.xml
for file in bin/kalkora-import bin/kalkora-cli "$desktop" "$metainfo" \
            share/icons/hicolor/scalable/apps/kalkora-import.svg share/icons/hicolor/48x48/apps/kalkora-import.png \
            share/icons/hicolor/256x256/apps/kalkora-import.png share/man/man1/kalkora-cli.1 share/kalkora-import/manual.pdf \
            share/kalkora-import/examples/obraty.csv share/kalkora-import/examples/list_rozvaha.txt \
            share/kalkora-import/examples/list_vysledovka.txt share/kalkora-import/examples/kalkora_priklad.xlsx \
            share/kalkora-import/examples/kalkora_vykazy.xlsx share/kalkora-import/examples/ruz.xml; do
  [ -s "$usr/$file" ] || fail "$file is missing"
done
desktop-file-validate "$usr/$desktop"
appstreamcli validate --no-net "$usr/$metainfo" >/dev/null || appstreamcli validate --no-net "$usr/$metainfo"
grep -q '^Name=Import dat do aplikace Kalkora$' "$usr/$desktop" || fail "the menu entry's name"
grep -q '^Categories=Office;Finance;$' "$usr/$desktop" || fail "the menu entry's categories"
grep -qF -- '\-\-control\-csv' "$usr/share/man/man1/kalkora-cli.1" || fail "the man page lacks the options"

help=$("$usr/bin/kalkora-cli" --help) || fail "kalkora-cli --help failed"
for option in --settings --mode --source --workbook --period --output --help --version; do
  grep -q -- "$option" <<<"$help" || fail "--help does not explain $option"
done
[ "$("$usr/bin/kalkora-cli" --version)" = "kalkora-cli Verze 4.25 / 10.4.2024 (CSV,XML)" ] || fail "kalkora-cli --version"
[ "$("$usr/bin/kalkora-import" --version)" = "kalkora-import Verze 4.25 / 10.4.2024 (CSV,XML)" ] ||
  fail "kalkora-import --version"

# The installed examples exported in place, with the settings where an
# installed program keeps them; the previous workbook stays as a backup.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
examples="$usr/share/kalkora-import/examples"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/kalkora-import"
cp "$examples/kalkora_priklad.xlsx" "$HOME/"
printf '[Cesta k datum]\r\nCestakFA=%s\r\nCestakSouboru=%s\r\nCestakRozvaze=%s\r\nCestakVysledovce=%s\r\n' \
  "$HOME/kalkora_priklad.xlsx" "$examples/obraty.csv" "$examples/list_rozvaha.txt" "$examples/list_vysledovka.txt" \
  >"$XDG_CONFIG_HOME/kalkora-import/kalkora-import.ini"
printf '[Nastaveni]\r\nUcet=1\r\nCastka=3\r\nPrvniRadek=2\r\nAktivniList=1\r\n' \
  >>"$XDG_CONFIG_HOME/kalkora-import/kalkora-import.ini"
(cd "$HOME" && "$usr/bin/kalkora-cli" --period 1 --decimal , 2>"$scratch/err") || { cat "$scratch/err"; fail "export"; }
grep -q "Předchozí verze sešitu zůstane uložena jako $HOME/kalkora_priklad\.20..-..-.._....\.bak\.xlsx" "$scratch/err" ||
  { cat "$scratch/err"; fail "the export does not name its backup"; }
cmp -s "$examples/kalkora_priklad.xlsx" "$HOME"/kalkora_priklad.20*.bak.xlsx || fail "the backup is not the workbook as it was"
cmp -s "$examples/kalkora_priklad.xlsx" "$HOME/kalkora_priklad.xlsx" && fail "the workbook was not written"
echo "install: the installed programs and files work"
