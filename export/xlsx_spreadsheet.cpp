#include "export/xlsx_spreadsheet.h"

#include <charconv>
#include <optional>
#include <set>
#include <vector>

#include "export/calc_chain.h"
#include "export/cell_reference.h"
#include "export/marking_column.h"
#include "export/package_relationships.h"
#include "export/shared_strings.h"
#include "export/side_by_side.h"
#include "export/workbook_file_checks.h"
#include "export/workbook_xml.h"
#include "export/worksheet_xml.h"
#include "export/zip_package.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"

namespace kalkora {
namespace {

constexpr const char* kContentTypes = "[Content_Types].xml";

struct Sheet {
  SheetEntry entry;
  std::string part;
  std::unique_ptr<WorksheetXml> xml;  // parsed on first use
};

const Relationship* findRelationship(const std::vector<Relationship>& relationships,
                                     const std::function<bool(const Relationship&)>& match) {
  for (const Relationship& r : relationships)
    if (!r.external && match(r)) return &r;
  return nullptr;
}

}  // namespace

// One open workbook: the package, its workbook part and its worksheets.
struct XlsxSpreadsheet::Impl {
  std::unique_ptr<FileSystem> ownFiles;
  FileSystem* files = nullptr;
  Regional regional;
  std::function<void(const std::string&)> showFile;
  std::string outputPath;
  bool visible = false;

  // The session.
  std::string path;
  std::unique_ptr<ZipPackage> package;
  std::string workbookPart;
  std::unique_ptr<WorkbookXml> workbook;
  std::vector<Sheet> sheets;
  std::string sharedStringsPart;
  std::optional<std::vector<std::string>> sharedStrings;
  std::string calcChainPart;
  std::string calcChainRelationshipId;
  std::set<ChainCell> replacedFormulas;
  bool written = false;

  std::string damaged(const std::string& what) const { return "Sešit " + path + " je poškozený: " + what; }
  void load();
  Sheet& sheet(int position);
  WorksheetXml& worksheet(int position);
  void checkCell(int row, int column) const;
  std::string sharedString(const std::string& index);
  void finishWorkbook();
  void dropCalcChainCells();
  void save();
};

void XlsxSpreadsheet::Impl::load() {
  const auto packageRelationships =
      parseRelationships(package->read(relationshipsPartOf("")), "", path, relationshipsPartOf(""));
  const Relationship* document =
      findRelationship(packageRelationships, [](const Relationship& r) { return r.isOfKind("officeDocument"); });
  if (document == nullptr || !package->contains(document->target))
    throw Error(damaged("chybí v něm část se sešitem (workbook.xml)."));
  workbookPart = document->target;
  workbook = std::make_unique<WorkbookXml>(package->read(workbookPart), path, workbookPart);
  const std::string relsPart = relationshipsPartOf(workbookPart);
  const auto relationships = parseRelationships(package->read(relsPart), workbookPart, path, relsPart);
  for (const SheetEntry& entry : workbook->sheets()) {
    const Relationship* rel =
        findRelationship(relationships, [&](const Relationship& r) { return r.id == entry.relationshipId; });
    if (rel == nullptr || (rel->isOfKind("worksheet") && !package->contains(rel->target)))
      throw Error(damaged("chybí v něm list „" + entry.name + "“."));
    // Only worksheets count, as in the spreadsheet's collection of worksheets;
    // chart sheets and macro sheets are passed over.
    if (rel->isOfKind("worksheet")) sheets.push_back({entry, rel->target, nullptr});
  }
  if (const Relationship* r =
          findRelationship(relationships, [](const Relationship& r) { return r.isOfKind("sharedStrings"); }))
    sharedStringsPart = r->target;
  if (const Relationship* r =
          findRelationship(relationships, [](const Relationship& r) { return r.isOfKind("calcChain"); })) {
    calcChainPart = r->target;
    calcChainRelationshipId = r->id;
  }
}

Sheet& XlsxSpreadsheet::Impl::sheet(int position) {
  if (!package) throw Error("Není otevřený žádný sešit.");
  if (position < 1 || position > static_cast<int>(sheets.size()))
    throw Error("Sešit " + path + " nemá list č. " + std::to_string(position) + " (listů je " +
                std::to_string(sheets.size()) + ").");
  return sheets[static_cast<size_t>(position - 1)];
}

WorksheetXml& XlsxSpreadsheet::Impl::worksheet(int position) {
  Sheet& s = sheet(position);
  if (!s.xml) s.xml = std::make_unique<WorksheetXml>(package->read(s.part), path, s.entry.name, s.part);
  return *s.xml;
}

void XlsxSpreadsheet::Impl::checkCell(int row, int column) const {
  if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
    throw Error("Buňka na řádku " + std::to_string(row) + " a ve sloupci " + std::to_string(column) +
                " leží mimo list.");
}

std::string XlsxSpreadsheet::Impl::sharedString(const std::string& index) {
  if (!sharedStrings) {
    if (sharedStringsPart.empty() || !package->contains(sharedStringsPart))
      throw Error(damaged("chybí v něm tabulka sdílených textů."));
    sharedStrings = parseSharedStrings(package->read(sharedStringsPart), path, sharedStringsPart);
  }
  size_t i = 0;
  const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), i);
  if (ec != std::errc() || end != index.data() + index.size() || i >= sharedStrings->size())
    throw Error(damaged("buňka odkazuje na sdílený text č. " + index + ", který v něm není."));
  return (*sharedStrings)[i];
}

// Everything a written workbook needs besides the cells: recalculation on
// opening, no stale cached results, no calculation chain entries for cells
// that no longer hold a formula.
void XlsxSpreadsheet::Impl::finishWorkbook() {
  std::vector<int> positions;  // the worksheets that may hold formulas, parsed
  for (size_t i = 0; i < sheets.size(); ++i) {
    if (!sheets[i].xml && !WorksheetXml::mayHoldFormulas(package->read(sheets[i].part))) continue;
    worksheet(static_cast<int>(i + 1));
    positions.push_back(static_cast<int>(i + 1));
  }
  // Each worksheet is its own document, so the big ones are finished side by side.
  std::vector<std::optional<std::string>> saved(positions.size());
  runSideBySide(
      positions.size(), [&](size_t k) { return sheets[static_cast<size_t>(positions[k] - 1)].xml->size() >= (1u << 20); },
      [&](size_t k) {
        Sheet& s = sheets[static_cast<size_t>(positions[k] - 1)];
        s.xml->dropCachedFormulaValues(isStatementSheet(positions[k], s.entry.name) ? kMarkingColumn : 0);
        if (s.xml->modified()) saved[k] = s.xml->save();
      });
  for (size_t k = 0; k < positions.size(); ++k)
    if (saved[k]) package->replace(sheets[static_cast<size_t>(positions[k] - 1)].part, std::move(*saved[k]));
  if (workbook->requestFullCalculationOnLoad()) package->replace(workbookPart, workbook->save());
  dropCalcChainCells();
}

void XlsxSpreadsheet::Impl::dropCalcChainCells() {
  if (replacedFormulas.empty() || calcChainPart.empty() || !package->contains(calcChainPart)) return;
  if (auto rest = withoutChainCells(package->read(calcChainPart), replacedFormulas, path, calcChainPart)) {
    package->replace(calcChainPart, std::move(*rest));
    return;
  }
  // An empty chain is invalid; the part goes with its relationship and content type.
  package->remove(calcChainPart);
  const std::string relsPart = relationshipsPartOf(workbookPart);
  package->replace(relsPart, withoutRelationship(package->read(relsPart), calcChainRelationshipId, path, relsPart));
  package->replace(kContentTypes, withoutContentTypeOverride(package->read(kContentTypes), calcChainPart, path));
}

void XlsxSpreadsheet::Impl::save() {
  const std::string target = outputPath.empty() ? path : outputPath;
  if (target == path && !written) return;
  checkNotHeldOpen(*files, target);
  if (written) finishWorkbook();
  if (target == path) {
    // Another program may have saved the workbook since we read it; writing
    // ours over it would lose that work.
    if (files->readFile(path) != package->original())
      throw Error("Sešit " + path + " se mezitím změnil (uložil ho jiný program). Export nebyl uložen; spusťte ho "
                  "znovu.");
    const std::string bytes = package->save();
    files->writeFile(backupPathOf(path), package->original());
    files->writeFile(path, bytes);
  } else {
    files->writeFile(target, written ? package->save() : package->original());
  }
}

XlsxSpreadsheet::XlsxSpreadsheet(std::function<void(const std::string&)> showFile) : impl_(std::make_unique<Impl>()) {
  impl_->ownFiles = std::make_unique<DiskFileSystem>();
  impl_->files = impl_->ownFiles.get();
  impl_->showFile = std::move(showFile);
}

XlsxSpreadsheet::XlsxSpreadsheet(FileSystem& files, const Regional& regional,
                                 std::function<void(const std::string&)> showFile)
    : impl_(std::make_unique<Impl>()) {
  impl_->files = &files;
  impl_->regional = regional;
  impl_->showFile = std::move(showFile);
}

XlsxSpreadsheet::~XlsxSpreadsheet() = default;

void XlsxSpreadsheet::setOutputPath(std::string path) { impl_->outputPath = std::move(path); }

void XlsxSpreadsheet::open(const std::string& path) {
  Impl& s = *impl_;
  checkWorkbookFormat(path);
  checkNotHeldOpen(*s.files, path);
  auto package = std::make_unique<ZipPackage>(s.files->readFile(path), path);
  s.package.reset();
  s.path = path;
  s.package = std::move(package);
  s.workbook.reset();
  s.sheets.clear();
  s.sharedStringsPart.clear();
  s.sharedStrings.reset();
  s.calcChainPart.clear();
  s.calcChainRelationshipId.clear();
  s.replacedFormulas.clear();
  s.written = false;
  try {
    s.load();
  } catch (...) {
    s.package.reset();
    throw;
  }
}

void XlsxSpreadsheet::setVisible(bool visible) { impl_->visible = visible; }

// A file has no calculation to switch: a written workbook is always
// recalculated when it is opened.
void XlsxSpreadsheet::setCalculation(Calculation) {}

std::string XlsxSpreadsheet::sheetName(int sheet) { return impl_->sheet(sheet).entry.name; }

std::string XlsxSpreadsheet::readCell(int sheet, int row, int column) {
  WorksheetXml& xml = impl_->worksheet(sheet);
  impl_->checkCell(row, column);
  const StoredValue value = xml.cell(row, column);
  switch (value.kind) {
    case StoredValue::Kind::Empty: return "";
    case StoredValue::Kind::SharedString: return impl_->sharedString(value.text);
    case StoredValue::Kind::Text: return value.text;
    case StoredValue::Kind::Number: {
      const auto number = parseNumber(value.text, U'.');
      return number ? formatShortest(*number, impl_->regional.decimalSeparator) : value.text;
    }
  }
  return "";
}

void XlsxSpreadsheet::writeNumber(int sheet, int row, int column, double value) {
  WorksheetXml& xml = impl_->worksheet(sheet);
  impl_->checkCell(row, column);
  if (xml.writeNumber(row, column, value))
    impl_->replacedFormulas.insert({impl_->sheet(sheet).entry.sheetId, formatCellReference(row, column)});
  impl_->written = true;
}

void XlsxSpreadsheet::writeZeroText(int sheet, int row, int column) { writeNumber(sheet, row, column, 0); }

void XlsxSpreadsheet::close() {
  Impl& s = *impl_;
  if (!s.package) return;
  const std::string target = s.outputPath.empty() ? s.path : s.outputPath;
  try {
    s.save();
  } catch (...) {
    s.package.reset();
    throw;
  }
  s.package.reset();
  if (s.visible && s.showFile) s.showFile(target);
}

}  // namespace kalkora
