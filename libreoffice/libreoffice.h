#pragma once
#include <functional>
#include <memory>
#include <string>

#include "export/spreadsheet.h"
#include "platform/regional.h"

namespace kalkora {

// A workbook open in LibreOffice Calc. The Spreadsheet operations act on the
// open document; close() closes it without saving, so a caller that wants
// the result stores it first.
class LibreOfficeSpreadsheet : public Spreadsheet {
 public:
  // Stores the document at path in the format its extension names (.xls as
  // Excel 97, .ods as ODF, .xlsx and .xlsm as Office Open XML), any other
  // extension in the format the workbook was opened in. The document stays
  // open and keeps its own path.
  virtual void storeTo(const std::string& path) = 0;
  // True once a cell was written.
  virtual bool written() const = 0;
};

// How a LibreOffice is started and what becomes of it.
enum class LibreOfficeKind {
  // Headless, with a profile of its own that goes with it, so it neither
  // meets the user's LibreOffice nor asks anything; it ends when the last
  // reference to it goes (documents included).
  Headless,
  // The user's own LibreOffice with its windows (joined when it already
  // runs); the user ends it, never this program.
  Window,
};

// What close() does with the document.
enum class DocumentEnd {
  Close,  // closes it unsaved
  // Leaves it open and unsaved for the user.
  LeaveOpen,
};

// Called with the workbook's path before a spreadsheet loads it anew (not
// when it takes a document already open); it raises Error to keep the
// workbook from being loaded.
using BeforeLoad = std::function<void(const std::string& path)>;

// A LibreOffice that this program started or joined.
class LibreOffice {
 public:
  virtual ~LibreOffice() = default;
  // A spreadsheet whose open() takes the document of this LibreOffice that
  // already shows the workbook (one left open by an earlier export), or
  // else loads the workbook; numbers read from cells get the regional
  // decimal separator.
  virtual std::unique_ptr<LibreOfficeSpreadsheet> spreadsheet(const Regional& regional,
                                                              DocumentEnd end = DocumentEnd::Close,
                                                              BeforeLoad beforeLoad = {}) = 0;
  // False once LibreOffice no longer answers (the user closed it).
  virtual bool answers() const = 0;
};

// Starts LibreOffice and connects to it. Raises Error with a Czech message
// that says what to install when LibreOffice is missing (or this build has
// no LibreOffice support), or LibreOffice's own text when it does not start.
std::shared_ptr<LibreOffice> startLibreOffice(LibreOfficeKind kind = LibreOfficeKind::Headless);

// True when the installed LibreOffice can show windows: libreoffice-calc-nogui
// cannot, it has no user-interface plugin.
bool libreOfficeHasWindows();

// What to install for LibreOffice on Debian.
inline constexpr const char* kLibreOfficeMissing =
    "LibreOffice Calc není nainstalován, sešity .xls a .ods proto nelze vyplnit. Nainstalujte balíček "
    "libreoffice-calc (apt-get install libreoffice-calc); pro kalkora-cli stačí libreoffice-calc-nogui.";

}  // namespace kalkora
