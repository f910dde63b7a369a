// The export protocol against the workbook it describes, read here with
// libzip and pugixml alone, not through the program's own workbook editor.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "platform/file_system.h"

namespace kalkora::e2e {
namespace {

using ::testing::HasSubstr;

std::string part(zip_t* archive, const std::string& name) {
  zip_stat_t stat;
  if (zip_stat(archive, name.c_str(), 0, &stat) != 0) return "";
  zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
  std::string bytes(stat.size, '\0');
  zip_fread(file, bytes.data(), stat.size);
  zip_fclose(file);
  return bytes;
}

// Every cell value of every sheet, by sheet name and cell address: a
// number's <v> as stored, a shared string's text.
using Cells = std::map<std::pair<std::string, std::string>, std::string>;

Cells readCells(const std::string& path) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) return {};
  pugi::xml_document workbook, rels, strings;
  workbook.load_string(part(archive, "xl/workbook.xml").c_str());
  rels.load_string(part(archive, "xl/_rels/workbook.xml.rels").c_str());
  strings.load_string(part(archive, "xl/sharedStrings.xml").c_str());
  std::vector<std::string> shared;
  for (pugi::xml_node si : strings.child("sst").children("si")) shared.push_back(si.child("t").text().get());
  Cells cells;
  for (pugi::xml_node sheet : workbook.child("workbook").child("sheets").children("sheet")) {
    const std::string id = sheet.attribute("r:id").value();
    const std::string target =
        rels.child("Relationships").find_child_by_attribute("Relationship", "Id", id.c_str()).attribute("Target").value();
    pugi::xml_document xml;
    xml.load_string(part(archive, "xl/" + target).c_str());
    for (pugi::xml_node row : xml.child("worksheet").child("sheetData").children("row"))
      for (pugi::xml_node c : row.children("c")) {
        std::string value = c.child("v").text().get();
        if (std::string(c.attribute("t").value()) == "s") value = shared.at(std::stoul(value));
        cells[{sheet.attribute("name").value(), c.attribute("r").value()}] = value;
      }
  }
  zip_close(archive);
  return cells;
}

std::vector<std::vector<std::string>> protocolLines(const std::string& csv) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(csv.substr(3));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::istringstream split(line + ";");
    for (std::string field; std::getline(split, field, ';');) fields.push_back(field);
    lines.push_back(fields);
  }
  return lines;
}

double number(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text.empty() ? 0 : std::stod(text);
}

// The cell lines of the protocol against both workbooks: a cell's first
// line holds its value in the workbook exported into, each later line of
// the same cell (a cleared cell written again) what the line before wrote,
// and its last line the value in the result. Returns the cell lines.
int checkAgainstWorkbooks(const std::string& csv, const std::string& before, const std::string& after) {
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  const Cells original = readCells(before), result = readCells(after);
  const auto lines = protocolLines(csv);
  EXPECT_EQ(lines.front(), (std::vector<std::string>{"List", "Buňka", "Řádek", "Hodnota před exportem",
                                                     "Zapsaná hodnota", "Zdroj"}));
  Cells last;
  int cellLines = 0;
  for (const auto& line : lines) {
    if (line.size() != 6 || !result.count({line[0], line[1]})) continue;
    ++cellLines;
    const std::pair<std::string, std::string> cell{line[0], line[1]};
    const auto earlier = last.find(cell);
    const auto was = original.find(cell);
    const std::string held = earlier != last.end() ? earlier->second : was != original.end() ? was->second : "";
    EXPECT_EQ(line[3].empty(), held.empty()) << line[0] << " " << line[1];
    if (!line[3].empty()) EXPECT_DOUBLE_EQ(number(line[3]), number(held)) << line[0] << " " << line[1];
    last[cell] = line[4];
  }
  for (const auto& [cell, written] : last)
    EXPECT_DOUBLE_EQ(number(written), number(result.at(cell))) << cell.first << " " << cell.second;
  EXPECT_THAT(lines.back()[5], HasSubstr("zapsáno buněk: " + std::to_string(cellLines)));
  return cellLines;
}

std::string onlyProtocolIn(const ScratchDir& dir) {
  std::string found;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path))
    if (entry.path().string().ends_with(".protokol.csv")) {
      EXPECT_TRUE(found.empty()) << entry.path();
      found = entry.path().filename().string();
    }
  return found;
}

}  // namespace

// The example turnovers: a line per definition record, with its label and
// the accounts that made the sum; the protocol lies beside the result.
TEST(ExportProtocolEndToEnd, TurnoverExportProtocolMatchesTheWorkbook) {
  ScratchDir dir;
  const std::string examples = KALKORA_EXAMPLES_DIR;
  const CliResult r = runKalkoraCli(
      {"--mode", "1", "--source", examples + "/obraty.csv", "--set", "Ucet=1", "--set", "Castka=3", "--set",
       "PrvniRadek=2", "--balance-def", examples + "/list_rozvaha.txt", "--income-def",
       examples + "/list_vysledovka.txt", "--workbook", KALKORA_EXAMPLE_WORKBOOK, "--period", "2", "--output",
       dir.file("vysledek.xlsx")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string name = onlyProtocolIn(dir);
  ASSERT_THAT(name, ::testing::MatchesRegex("vysledek\\.[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{4}\\.protokol\\.csv"));
  const std::string csv = dir.read(name);
  EXPECT_EQ(checkAgainstWorkbooks(csv, KALKORA_EXAMPLE_WORKBOOK, dir.file("vysledek.xlsx")), 34);
  EXPECT_THAT(csv, HasSubstr("Rozvahy netto;H13;C.II. Pohledávky;;441000;+311100 +311200 +391 +314 (336> = 0) +341 "
                             "(343> = 0)\r\n"));
  EXPECT_THAT(csv, HasSubstr("Výsledovky;H5;I. Tržby výr.+služeb;;2070000;-601 -602\r\n"));
}

// The example tax return with the period cleared first: the cleared cells
// are lines too, and a written line names its statement line and marking.
TEST(ExportProtocolEndToEnd, StatementExportProtocolMatchesTheWorkbookWithItsClearedCells) {
  ScratchDir dir;
  const std::string examples = KALKORA_EXAMPLES_DIR;
  const std::string workbook = std::filesystem::path(KALKORA_EXAMPLE_WORKBOOK).parent_path() / "kalkora_vykazy.xlsx";
  const CliResult r =
      runKalkoraCli({"--mode", "5", "--source", examples + "/dppdp9.xml", "--form", "DPPDP9", "--clear-period",
                     "--workbook", workbook, "--period", "1", "--output", dir.file("vysledek.xlsx"), "--report",
                     dir.file("protokol.csv")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_THAT(r.err, HasSubstr("Protokol exportu: " + dir.file("protokol.csv")));
  const std::string csv = dir.read("protokol.csv");
  EXPECT_GT(checkAgainstWorkbooks(csv, workbook, dir.file("vysledek.xlsx")), 104 + 38);
  EXPECT_THAT(csv, HasSubstr(";;;0;vymazání období před exportem\r\n"));
  EXPECT_THAT(csv, ::testing::ContainsRegex("Rozvahy netto;G7;1;[^;]*;[0-9]+;řádek tabulky 1: Rozvaha aktiva - suma"));
  EXPECT_EQ(onlyProtocolIn(dir), "");
}

// A trial balance with an account that no definition takes and cash that
// breaks the balance: both are told before the export and kept in the
// protocol; with --strict the export does not start.
TEST(ExportProtocolEndToEnd, UnassignedAccountsAndTotalsThatDisagreeAreToldAndStrictRefuses) {
  ScratchDir dir;
  const std::string examples = KALKORA_EXAMPLES_DIR;
  std::string source = DiskFileSystem().readFile(examples + "/obraty.csv");
  const std::string cash = "211;Pokladna;12500,50";
  source.replace(source.find(cash), cash.size(), "211;Pokladna;13000");
  dir.write("obraty.csv", source + "999;Ostatni;5000\r\n");
  const auto run = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = {"--mode", "1", "--source", dir.file("obraty.csv"), "--set", "Ucet=1", "--set",
                                      "Castka=3", "--set", "PrvniRadek=2", "--balance-def",
                                      examples + "/list_rozvaha.txt", "--income-def",
                                      examples + "/list_vysledovka.txt", "--workbook", KALKORA_EXAMPLE_WORKBOOK,
                                      "--period", "1", "--output", dir.file("vysledek.xlsx")};
    args.insert(args.end(), extra.begin(), extra.end());
    return runKalkoraCli(args);
  };
  const CliResult strict = run({"--strict"});
  EXPECT_EQ(strict.exitCode, 1);
  EXPECT_THAT(strict.err, HasSubstr("Export se nespustil: Nezařazené účty: 1, celkem 5000."));
  EXPECT_FALSE(std::filesystem::exists(dir.file("vysledek.xlsx")));
  EXPECT_EQ(onlyProtocolIn(dir), "");

  const CliResult r = run({"--report", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string warning =
      "Aktiva celkem (2066200,3) se neshodují s pasivy celkem (2065700,8), rozdíl je 499,5. Zkontrolujte zdrojový "
      "soubor, definice a nezařazené účty. Export přesto proběhne.";
  EXPECT_THAT(r.err, HasSubstr("Nezařazené účty: 1, celkem 5000\n" + warning + "\n"));
  EXPECT_THAT(r.out, HasSubstr("Kontrola součtů;;;;;" + warning + "\r\n"));
  EXPECT_THAT(r.out, HasSubstr("Nezařazený účet;;;;;999: 5000\r\nNezařazené účty;;;;;Nezařazené účty: 1, celkem "
                               "5000\r\n"));
  EXPECT_EQ(onlyProtocolIn(dir), "");
}

}  // namespace kalkora::e2e
