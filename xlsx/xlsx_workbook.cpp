#include "xlsx/xlsx_workbook.h"

#include <charconv>
#include <functional>

#include "xlsx/cell_reference.h"
#include "xlsx/package_relationships.h"
#include "xlsx/shared_strings.h"
#include "xlsx/side_by_side.h"
#include "platform/error.h"

namespace kalkora {
namespace {

constexpr const char* kContentTypes = "[Content_Types].xml";
constexpr size_t kSideBySideSize = 1 << 20;

const Relationship* findRelationship(const std::vector<Relationship>& relationships,
                                     const std::function<bool(const Relationship&)>& match) {
  for (const Relationship& r : relationships)
    if (!r.external && match(r)) return &r;
  return nullptr;
}

}  // namespace

XlsxWorkbook::XlsxWorkbook(std::string bytes, std::string path, KeptCachedColumn keptCachedColumn)
    : path_(std::move(path)), keptCachedColumn_(std::move(keptCachedColumn)), package_(std::move(bytes), path_) {
  const std::string rootRels = relationshipsPartOf("");
  const auto packageRelationships = parseRelationships(package_.read(rootRels), "", path_, rootRels);
  const Relationship* document =
      findRelationship(packageRelationships, [](const Relationship& r) { return r.isOfKind("officeDocument"); });
  if (document == nullptr || !package_.contains(document->target))
    throw Error(damaged("chybí v něm část se sešitem (workbook.xml)."));
  workbookPart_ = document->target;
  workbook_ = std::make_unique<WorkbookXml>(package_.read(workbookPart_), path_, workbookPart_);
  const std::string relsPart = relationshipsPartOf(workbookPart_);
  const auto relationships = parseRelationships(package_.read(relsPart), workbookPart_, path_, relsPart);
  for (const SheetEntry& entry : workbook_->sheets()) {
    const Relationship* rel =
        findRelationship(relationships, [&](const Relationship& r) { return r.id == entry.relationshipId; });
    if (rel == nullptr || (rel->isOfKind("worksheet") && !package_.contains(rel->target)))
      throw Error(damaged("chybí v něm list „" + entry.name + "“."));
    if (rel->isOfKind("worksheet")) sheets_.push_back({entry, rel->target, nullptr});
  }
  if (const Relationship* r =
          findRelationship(relationships, [](const Relationship& r) { return r.isOfKind("sharedStrings"); }))
    sharedStringsPart_ = r->target;
  if (const Relationship* r =
          findRelationship(relationships, [](const Relationship& r) { return r.isOfKind("calcChain"); })) {
    calcChainPart_ = r->target;
    calcChainRelationshipId_ = r->id;
  }
  requireOwnPartPerSheet(relationships, relsPart);
}

// A worksheet part that two sheets name, or a sheet and another part of the
// workbook, would be parsed once per name and written once per copy, the last
// copy silently replacing what the others wrote.
void XlsxWorkbook::requireOwnPartPerSheet(const std::vector<Relationship>& relationships,
                                          const std::string& relsPart) const {
  std::set<std::string> taken = {ZipPackage::partKey(kContentTypes), ZipPackage::partKey(relationshipsPartOf("")),
                                 ZipPackage::partKey(workbookPart_), ZipPackage::partKey(relsPart)};
  for (const Relationship& r : relationships)
    if (!r.external && !r.isOfKind("worksheet")) taken.insert(ZipPackage::partKey(r.target));
  for (const Sheet& s : sheets_)
    if (!taken.insert(ZipPackage::partKey(s.part)).second)
      throw Error(damaged("list „" + s.entry.name + "“ odkazuje na část " + s.part +
                          ", na kterou už odkazuje jiný list nebo jiná část sešitu."));
}

std::string XlsxWorkbook::damaged(const std::string& what) const {
  return "Sešit " + path_ + " je poškozený: " + what;
}

XlsxWorkbook::Sheet& XlsxWorkbook::sheet(int position) {
  if (position < 1 || position > static_cast<int>(sheets_.size()))
    throw Error("Sešit " + path_ + " nemá list č. " + std::to_string(position) + " (listů je " +
                std::to_string(sheets_.size()) + ").");
  return sheets_[static_cast<size_t>(position - 1)];
}

WorksheetXml& XlsxWorkbook::worksheet(int position) {
  Sheet& s = sheet(position);
  if (!s.xml) parse(s, package_.readXml(s.part));
  return *s.xml;
}

void XlsxWorkbook::parse(Sheet& s, XmlText xml) {
  s.xml = std::make_unique<WorksheetXml>(std::move(xml), path_, s.entry.name, s.part);
}

const std::string& XlsxWorkbook::sheetName(int position) { return sheet(position).entry.name; }

// An export reads a sheet before it writes (the marking search, the value a
// cell held before), and the first write needs every sheet that may hold
// formulas parsed: a read that finds its sheet unparsed parses them with it,
// side by side.
StoredValue XlsxWorkbook::cell(int position, int row, int column) {
  if (!written_ && !sheet(position).xml) parseFormulaSheets(position);
  return worksheet(position).cell(row, column);
}

void XlsxWorkbook::writeNumber(int position, int row, int column, double value) {
  sheet(position);
  if (!written_) parseFormulaSheets(position);
  if (worksheet(position).writeNumber(row, column, value))
    replacedFormulas_.insert({sheet(position).entry.sheetId, formatCellReference(row, column)});
  written_ = true;
}

std::string XlsxWorkbook::sharedString(const std::string& index) {
  if (!sharedStrings_) {
    if (sharedStringsPart_.empty() || !package_.contains(sharedStringsPart_))
      throw Error(damaged("chybí v něm tabulka sdílených textů."));
    sharedStrings_ = parseSharedStrings(package_.read(sharedStringsPart_), path_, sharedStringsPart_);
  }
  size_t i = 0;
  const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), i);
  if (ec != std::errc() || end != index.data() + index.size() || i >= sharedStrings_->size())
    throw Error(damaged("buňka odkazuje na sdílený text č. " + index + ", který v něm není."));
  return (*sharedStrings_)[i];
}

std::string XlsxWorkbook::save() {
  if (written_) {
    finishWorksheets();
    if (workbook_->requestFullCalculationOnLoad()) package_.replace(workbookPart_, workbook_->save());
    dropCalcChainCells();
  }
  return package_.save();
}

// A written workbook is saved with every worksheet that holds formulas
// finished (below), so the first write parses them all at once, the big ones
// side by side, together with the sheet written (position; 0 for none).
// Each part is unpacked once: the text that shows formulas is the one parsed.
void XlsxWorkbook::parseFormulaSheets(int position) {
  std::vector<std::pair<Sheet*, XmlText>> pending;
  for (size_t i = 0; i < sheets_.size(); ++i) {
    Sheet& s = sheets_[i];
    if (s.xml || s.withoutFormulas) continue;
    XmlText xml = package_.readXml(s.part);
    if (static_cast<int>(i + 1) != position && !WorksheetXml::mayHoldFormulas(xml.view())) {
      s.withoutFormulas = true;
      continue;
    }
    pending.emplace_back(&s, std::move(xml));
  }
  runSideBySide(
      pending.size(), [&](size_t k) { return pending[k].second.size >= kSideBySideSize; },
      [&](size_t k) { parse(*pending[k].first, std::move(pending[k].second)); });
}

// Formula cells lose their cached results in every worksheet, so that any
// spreadsheet program recalculates them; the column the caller reads again
// keeps them. Each worksheet is
// its own document, so the big ones are finished side by side.
void XlsxWorkbook::finishWorksheets() {
  parseFormulaSheets(0);
  std::vector<Sheet*> parsed;
  for (Sheet& s : sheets_)
    if (s.xml) parsed.push_back(&s);
  std::vector<std::optional<std::string>> saved(parsed.size());
  runSideBySide(
      parsed.size(), [&](size_t k) { return parsed[k]->xml->size() >= kSideBySideSize; },
      [&](size_t k) {
        Sheet& s = *parsed[k];
        const int position = static_cast<int>(&s - sheets_.data()) + 1;
        s.xml->dropCachedFormulaValues(keptCachedColumn_ ? keptCachedColumn_(position, s.entry.name) : 0);
        if (s.xml->modified()) saved[k] = s.xml->save();
      });
  for (size_t k = 0; k < parsed.size(); ++k)
    if (saved[k]) package_.replace(parsed[k]->part, std::move(*saved[k]));
}

void XlsxWorkbook::dropCalcChainCells() {
  if (replacedFormulas_.empty() || calcChainPart_.empty() || !package_.contains(calcChainPart_)) return;
  if (auto rest = withoutChainCells(package_.read(calcChainPart_), replacedFormulas_, path_, calcChainPart_)) {
    package_.replace(calcChainPart_, std::move(*rest));
    return;
  }
  // An empty chain is invalid; the part goes with its relationship and content type.
  package_.remove(calcChainPart_);
  const std::string relsPart = relationshipsPartOf(workbookPart_);
  package_.replace(relsPart, withoutRelationship(package_.read(relsPart), calcChainRelationshipId_, path_, relsPart));
  package_.replace(kContentTypes, withoutContentTypeOverride(package_.read(kContentTypes), calcChainPart_, path_));
}

}  // namespace kalkora
