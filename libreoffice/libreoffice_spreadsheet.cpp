#include "libreoffice/libreoffice_spreadsheet.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/sheet/XCalculatable.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <rtl/ref.hxx>

#include <algorithm>
#include <map>
#include <vector>

#include "libreoffice/batched_cells.h"
#include "libreoffice/refusing_interaction.h"
#include "libreoffice/uno_text.h"
#include "platform/error.h"

namespace kalkora {
namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

css::beans::PropertyValue property(const char* name, const css::uno::Any& value) {
  css::beans::PropertyValue p;
  p.Name = OUString::createFromAscii(name);
  p.Value = value;
  return p;
}

css::uno::Sequence<css::beans::PropertyValue> properties(std::initializer_list<css::beans::PropertyValue> list) {
  return css::uno::Sequence<css::beans::PropertyValue>(list.begin(), static_cast<sal_Int32>(list.size()));
}

std::string lowerExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// LibreOffice's export filter for a workbook extension; "" for one we do
// not know.
std::string filterFor(const std::string& path) {
  static const std::map<std::string, std::string> filters = {
      {".xls", "MS Excel 97"},
      {".ods", "calc8"},
      {".xlsx", "Calc MS Excel 2007 XML"},
      {".xlsm", "Calc MS Excel 2007 VBA XML"},
  };
  const auto it = filters.find(lowerExtension(path));
  return it == filters.end() ? "" : it->second;
}

class UnoSpreadsheet : public LibreOfficeSpreadsheet {
 public:
  UnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess> office, const Regional& regional, DocumentEnd end,
                 BeforeLoad beforeLoad)
      : office_(std::move(office)),
        end_(end),
        beforeLoad_(std::move(beforeLoad)),
        cells_([this](int position) { return spreadsheet(position); }, regional.decimalSeparator) {}
  // Writes still waiting are sent (a document left open keeps them); a
  // failure has nobody to go to here.
  ~UnoSpreadsheet() override {
    try {
      close();
    } catch (...) {
    }
  }

  void open(const std::string& path) override {
    close();
    path_ = path;
    if (takeOpenDocument(fileUrl(path))) return;
    if (beforeLoad_) beforeLoad_(path);
    // Nothing may wait for an answer nobody can give, not even in the
    // user's LibreOffice (this program waits for the load meanwhile): no
    // macros, no links updated, no repair offered, and every other question
    // (a password above all) refused by our own handler, which tells why the
    // load failed. A headless LibreOffice loads hidden documents only.
    const rtl::Reference<RefusingInteraction> interaction(new RefusingInteraction);
    const auto options = properties({
        property("Hidden", css::uno::Any(office_->headless() || !visible_)),
        property("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
        property("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE)),
        property("RepairPackage", css::uno::Any(false)),
        property("InteractionHandler",
                 css::uno::Any(Reference<css::task::XInteractionHandler>(interaction.get()))),
    });
    try {
      const Reference<css::lang::XComponent> loaded =
          office_->desktop()->loadComponentFromURL(fileUrl(path), "_blank", 0, options);
      document_.set(loaded, UNO_QUERY);
      if (!document_.is()) {
        if (loaded.is()) Reference<css::util::XCloseable>(loaded, UNO_QUERY_THROW)->close(true);
        throw Error(interaction->refusal(path).value_or(
            "LibreOffice sešit " + path + " neotevřel: soubor chybí, je poškozený nebo to není sešit."));
      }
    } catch (const css::uno::Exception& e) {
      if (const auto refusal = interaction->refusal(path)) throw Error(*refusal);
      raiseLibreOfficeError("LibreOffice sešit " + path + " neotevřel.", e);
    }
    takeSheets();
  }

  // A headless LibreOffice has no window to show (and asking a hidden
  // document's frame to show itself brings it down).
  void setVisible(bool visible) override {
    visible_ = visible;
    if (office_->headless() || !document_.is()) return;
    try {
      Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)
          ->getCurrentController()
          ->getFrame()
          ->getContainerWindow()
          ->setVisible(visible);
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("Okno LibreOffice se sešitem nejde ukázat.", e);
    }
  }

  void setCalculation(Calculation mode) override {
    cells_.flush();
    try {
      Reference<css::sheet::XCalculatable>(openDocument(), UNO_QUERY_THROW)
          ->enableAutomaticCalculation(mode == Calculation::Automatic);
      cells_.setManualCalculation(mode == Calculation::Manual);
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice nepřepnul přepočet sešitu.", e);
    }
  }

  std::string sheetName(int sheet) override {
    try {
      return fromUno(Reference<css::container::XNamed>(spreadsheet(sheet), UNO_QUERY_THROW)->getName());
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice nepřečetl jméno listu č. " + std::to_string(sheet) + ".", e);
    }
  }

  std::string readCell(int sheet, int row, int column) override {
    checkCell(sheet, row, column);
    return cells_.read(sheet, row, column);
  }

  void writeNumber(int sheet, int row, int column, double value) override {
    checkCell(sheet, row, column);
    cells_.write(sheet, row, column, value);
    written_ = true;
  }

  void storeTo(const std::string& path) override {
    cells_.flush();
    try {
      std::string filter = filterFor(path);
      if (filter.empty()) filter = ownFilter();
      Reference<css::frame::XStorable>(openDocument(), UNO_QUERY_THROW)
          ->storeToURL(fileUrl(path), properties({property("FilterName", css::uno::Any(toUno(filter))),
                                                   property("Overwrite", css::uno::Any(true))}));
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice sešit neuložil do " + path + ".", e);
    }
  }

  bool written() const override { return written_; }

  // The waiting writes go first, so a document left open shows them and a
  // write LibreOffice refuses is reported; the document ends either way.
  void close() override {
    try {
      cells_.flush();
    } catch (...) {
      endDocument();
      throw;
    }
    endDocument();
  }

 private:
  const Reference<css::sheet::XSpreadsheetDocument>& openDocument() const {
    if (!document_.is()) throw Error("Není otevřený žádný sešit.");
    return document_;
  }

  Reference<css::sheet::XSpreadsheet> spreadsheet(int position) {
    openDocument();
    const sal_Int32 count = sheets_->getCount();
    if (position < 1 || position > count)
      throw Error("Sešit " + path_ + " nemá list č. " + std::to_string(position) + " (listů je " +
                  std::to_string(count) + ").");
    if (cachedSheets_.size() < static_cast<size_t>(count)) cachedSheets_.resize(count);
    Reference<css::sheet::XSpreadsheet>& sheet = cachedSheets_[position - 1];
    if (!sheet.is()) sheet.set(sheets_->getByIndex(position - 1), UNO_QUERY_THROW);
    return sheet;
  }

  // A cell the exports may ask for: on an existing sheet, from row and column 1.
  void checkCell(int sheet, int row, int column) {
    if (row < 1 || column < 1) throw Error("Buňka " + cellName(row, column) + " leží mimo list.");
    spreadsheet(sheet);
  }

  void endDocument() noexcept {
    if (end_ == DocumentEnd::Close) closeDocument();
    forgetDocument();
  }

  // The filter the workbook was loaded with, so that it is stored as it came.
  std::string ownFilter() const {
    const auto args = Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)->getArgs();
    for (const auto& arg : args)
      if (arg.Name == "FilterName") {
        OUString filter;
        arg.Value >>= filter;
        return fromUno(filter);
      }
    throw Error("LibreOffice neuvedl formát sešitu " + path_ + ".");
  }

  // A document of LibreOffice's that shows the workbook at url, taken as ours.
  bool takeOpenDocument(const OUString& url) {
    try {
      const auto documents = office_->desktop()->getComponents()->createEnumeration();
      while (documents->hasMoreElements()) {
        const Reference<css::frame::XModel> model(documents->nextElement(), UNO_QUERY);
        if (!model.is() || model->getURL() != url) continue;
        document_.set(model, UNO_QUERY);
        if (!document_.is()) continue;
        takeSheets();
        return true;
      }
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice neukázal své otevřené dokumenty.", e);
    }
    return false;
  }

  void takeSheets() {
    try {
      sheets_.set(document_->getSheets(), UNO_QUERY_THROW);
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice neukázal listy sešitu " + path_ + ".", e);
    }
  }

  // Closes the document without saving; errors are of no use any more here.
  void closeDocument() noexcept {
    if (!document_.is()) return;
    try {
      Reference<css::util::XCloseable>(document_, UNO_QUERY_THROW)->close(true);
    } catch (...) {
    }
  }

  void forgetDocument() noexcept {
    document_.clear();
    sheets_.clear();
    cachedSheets_.clear();
    cells_.forget();
    written_ = false;
  }

  std::shared_ptr<const LibreOfficeProcess> office_;
  DocumentEnd end_;
  BeforeLoad beforeLoad_;
  std::string path_;
  bool visible_ = false;
  bool written_ = false;
  Reference<css::sheet::XSpreadsheetDocument> document_;
  Reference<css::container::XIndexAccess> sheets_;
  std::vector<Reference<css::sheet::XSpreadsheet>> cachedSheets_;
  BatchedCells cells_;
};

}  // namespace

std::unique_ptr<LibreOfficeSpreadsheet> makeUnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess> office,
                                                           const Regional& regional, DocumentEnd end,
                                                           BeforeLoad beforeLoad) {
  return std::make_unique<UnoSpreadsheet>(std::move(office), regional, end, std::move(beforeLoad));
}

}  // namespace kalkora
