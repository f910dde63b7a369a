#include "cli/cli_help.h"

#include "app/version.h"
#include "cli/cli_options.h"

namespace kalkora {
namespace {

constexpr const char* kDescription =
    "\n"
    "Načte zdrojový soubor jako program Import dat do aplikace Kalkora, zkontroluje účty\n"
    "a vyexportuje data do zvoleného období sešitu Kalkora, bez oken: pro dávkové zpracování.\n"
    "Nezobrazuje žádné okno a nespouští žádný jiný program.\n"
    "\n"
    "Přepínače:\n"
    "  --settings SOUBOR       soubor nastavení, který se jen čte (jinak soubor nastavení\n"
    "                          okenního programu kalkora-import)\n"
    "  --mode N                režim importu 1 až 6 (jinak klíč AktivniList nastavení):\n"
    "                          1 csv obraty, 2 xml obraty, 3 csv výkazy, 4 RUZ, 5 daňový\n"
    "                          portál MF, 6 výkaz P 5-01\n"
    "  --source SOUBOR         zdrojový soubor (jinak CestakSouboru)\n"
    "  --balance-def SOUBOR    definice rozvahy (jinak CestakRozvaze)\n"
    "  --income-def SOUBOR     definice výsledovky (jinak CestakVysledovce)\n"
    "  --set KLÍČ=HODNOTA      nastaví pro tento běh jeden klíč oddílu Nastaveni podle názvů\n"
    "                          souboru nastavení, např. Ucet=1, KoeficientCSV=0,001,\n"
    "                          CheckBox12=0, CastkaMDminusD=1; lze opakovat\n"
    "  --statement-type N      typ výkazu v režimu 3: pořadí položky „Vybrat typ výkazu:“\n"
    "                          od 0 (jinak žádný)\n"
    "  --form DPPDP8|DPPDP9    formulář přiznání v režimu 5 (jinak DPPDP8)\n"
    "  --sum-lines             importují se i sumační řádky výkazu RUZ (režim 4)\n"
    "  --clear-period          před exportem se vymažou data v období Kalkora (režimy 4 a 5)\n"
    "  --decimal ZNAK          desetinný oddělovač (jinak podle národního prostředí systému;\n"
    "                          bez zvoleného prostředí čárka)\n"
    "  --thousands ZNAK        oddělovač tisíců, \"\" pro žádný (jinak podle prostředí)\n"
    "  --dump SOUBOR|-         zapíše importní tabulku po načtení a kontrole účtů jako JSON;\n"
    "                          - na standardní výstup\n"
    "  --control-csv SOUBOR    zapíše kontrolní soubor csv jako tlačítko „Export tabulky do\n"
    "                          csv souboru“\n"
    "  --workbook SOUBOR       cílový sešit Kalkora (jinak CestakFA)\n"
    "  --period N              exportuje do období N (1 až 20); bez něj se neexportuje\n"
    "  --backend file|libreoffice\n"
    "                          jak se sešit zapíše: file upraví soubor .xlsx/.xlsm přímo,\n"
    "                          libreoffice přes LibreOffice bez oken a uloží ho v jeho\n"
    "                          formátu; .xls a .ods vždy přes LibreOffice (jinak file)\n"
    "  --output SOUBOR         vyplněný sešit zapíše do SOUBORU a sešit --workbook nechá beze\n"
    "                          změny (jinak se sešit uloží na místě a předchozí verze zůstane\n"
    "                          jako záloha název.RRRR-MM-DD_HHMM.bak.xlsx, deset nejnovějších)\n"
    "                          Sešit, do kterého se zapisuje, je po dobu exportu zamčený\n"
    "                          (.~lock.název#); export do sešitu, který drží jiný export,\n"
    "                          Excel nebo LibreOffice, skončí chybou.\n"
    "  --report SOUBOR|-       protokol exportu (každá zapsaná buňka s hodnotou před exportem,\n"
    "                          zapsanou hodnotou a jejím zdrojem; nezařazené účty; kontrola\n"
    "                          součtů) zapíše do SOUBORU, - na standardní výstup (jinak vedle\n"
    "                          sešitu jako název.RRRR-MM-DD_HHMM.protokol.csv)\n"
    "  --strict                neexportuje, dokud některý účet s nenulovým zůstatkem nepatří\n"
    "                          do žádného řádku definic (režimy 1 a 2)\n"
    "  --restore-backup SEŠIT  vrátí na místo sešitu jeho nejnovější zálohu; dosavadní obsah\n"
    "                          sešitu zůstane jako další záloha. Nic jiného se neprovede.\n"
    "  --help                  vypíše tuto nápovědu\n"
    "  --version               vypíše verzi programu\n"
    "\n"
    "Pořadí práce: nastavení, načtení zdroje podle režimu (s kontrolou účtů, kde ji režim\n"
    "provádí), --control-csv, --dump, export do sešitu (jen s --period).\n"
    "\n"
    "Každá zpráva, kterou by ukázal okenní program, jde jako text na standardní chybový\n"
    "výstup. Po upozornění běh pokračuje; po zprávě, která operaci zastaví, a po chybě končí.\n"
    "\n"
    "Návratový kód: 0 úspěch, 1 chyba nebo zastavená operace, 2 chybné použití.\n";

}  // namespace

std::string cliHelp() { return std::string(kCliUsage) + kDescription; }

std::string cliVersion() { return std::string("kalkora-cli ") + kVersionText + "\n"; }

}  // namespace kalkora
