#include "libreoffice_fixtures.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/container/XNameReplace.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/XEmbeddedScripts.hpp>
#include <com/sun/star/document/XEventsSupplier.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/script/XStorageBasedLibraryContainer.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <filesystem>
#include <vector>

#include "libreoffice/libreoffice_process.h"
#include "libreoffice/uno_text.h"
#include "platform/error.h"

namespace kalkora::e2e {
namespace {

using css::beans::PropertyValue;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY_THROW;
using Document = Reference<css::sheet::XSpreadsheetDocument>;

PropertyValue property(const char* name, const Any& value) {
  PropertyValue p;
  p.Name = OUString::createFromAscii(name);
  p.Value = value;
  return p;
}

Sequence<PropertyValue> properties(const std::vector<PropertyValue>& list) {
  return Sequence<PropertyValue>(list.data(), static_cast<sal_Int32>(list.size()));
}

OUString filterFor(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension == ".ods") return "calc8";
  if (extension == ".xls") return "MS Excel 97";
  if (extension == ".xlsx") return "Calc MS Excel 2007 XML";
  throw Error("Neznámý formát sešitu " + path);
}

// Runs work on the document at url (a file URL, or a factory for a new
// one), loaded hidden with macros off, and closes it unsaved afterwards.
template <class Work>
auto withDocument(const std::shared_ptr<LibreOffice>& office, const OUString& url, Work work) {
  const auto process = processOf(office);
  const auto options = properties({property("Hidden", Any(true))});
  const Document document(process->desktop()->loadComponentFromURL(url, "_blank", 0, options), UNO_QUERY_THROW);
  struct Closer {
    Document document;
    ~Closer() { Reference<css::util::XCloseable>(document, UNO_QUERY_THROW)->close(true); }
  } closer{document};
  return work(document);
}

Reference<css::table::XCell> cellOf(const Document& document, int sheet, int row, int column) {
  const Reference<css::container::XIndexAccess> sheets(document->getSheets(), UNO_QUERY_THROW);
  const Reference<css::sheet::XSpreadsheet> s(sheets->getByIndex(sheet - 1), UNO_QUERY_THROW);
  return s->getCellByPosition(column - 1, row - 1);
}

void store(const Document& document, const std::string& target, const std::string& password = "") {
  std::vector<PropertyValue> options{property("FilterName", Any(filterFor(target))), property("Overwrite", Any(true))};
  if (!password.empty()) options.push_back(property("Password", Any(toUno(password))));
  Reference<css::frame::XStorable>(document, UNO_QUERY_THROW)->storeToURL(fileUrl(target), properties(options));
}

}  // namespace

void storeWithPassword(const std::shared_ptr<LibreOffice>& office, const std::string& source,
                       const std::string& target, const std::string& password) {
  withDocument(office, fileUrl(source), [&](const Document& document) { store(document, target, password); });
}

void storeNumberWorkbook(const std::shared_ptr<LibreOffice>& office, const std::string& target, double value) {
  withDocument(office, "private:factory/scalc", [&](const Document& document) {
    cellOf(document, 1, 1, 1)->setValue(value);
    store(document, target);
  });
}

void storeWithLink(const std::shared_ptr<LibreOffice>& office, const std::string& source, const std::string& target,
                   int sheet, int row, int column, const std::string& linked) {
  const std::string firstSheet = withDocument(office, fileUrl(linked), [](const Document& document) {
    const Reference<css::container::XIndexAccess> sheets(document->getSheets(), UNO_QUERY_THROW);
    return fromUno(Reference<css::container::XNamed>(sheets->getByIndex(0), UNO_QUERY_THROW)->getName());
  });
  withDocument(office, fileUrl(source), [&](const Document& document) {
    cellOf(document, sheet, row, column)
        ->setFormula(toUno("='" + fromUno(fileUrl(linked)) + "'#$'" + firstSheet + "'.A1"));
    store(document, target);
  });
}

void storeWithMacro(const std::shared_ptr<LibreOffice>& office, const std::string& source, const std::string& target) {
  withDocument(office, fileUrl(source), [&](const Document& document) {
    const auto libraries = Reference<css::document::XEmbeddedScripts>(document, UNO_QUERY_THROW)->getBasicLibraries();
    const Reference<css::container::XNameContainer> library(
        libraries->hasByName("Standard") ? libraries->getByName("Standard") : Any(libraries->createLibrary("Standard")),
        UNO_QUERY_THROW);
    library->insertByName("Kalkora", Any(OUString("Sub Spust\n  ThisComponent.Sheets(0).getCellByName(\"A1\").String = \"makro\"\nEnd Sub\n")));
    const auto binding = properties(
        {property("EventType", Any(OUString("Script"))),
         property("Script", Any(OUString("vnd.sun.star.script:Standard.Kalkora.Spust?language=Basic&location=document")))});
    Reference<css::document::XEventsSupplier>(document, UNO_QUERY_THROW)
        ->getEvents()
        ->replaceByName("OnLoad", Any(binding));
    store(document, target);
  });
}

std::string formulaAt(const std::shared_ptr<LibreOffice>& office, const std::string& path, int sheet, int row,
                      int column) {
  return withDocument(office, fileUrl(path), [&](const Document& document) {
    const auto cell = cellOf(document, sheet, row, column);
    return cell->getType() == css::table::CellContentType_FORMULA ? fromUno(cell->getFormula()) : std::string();
  });
}

}  // namespace kalkora::e2e
