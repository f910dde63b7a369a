#include "libreoffice/libreoffice.h"

#include "platform/error.h"

namespace kalkora {

// This build has no LibreOffice SDK: every LibreOffice export ends here.
std::shared_ptr<LibreOffice> startLibreOffice(LibreOfficeKind) {
  throw Error(
      "Tento program byl sestaven bez podpory LibreOffice, sešity .xls a .ods proto nelze vyplnit. Nainstalujte "
      "balíčky libreoffice-dev a libreoffice-calc a program sestavte znovu.");
}

bool libreOfficeHasWindows() { return false; }

}  // namespace kalkora
