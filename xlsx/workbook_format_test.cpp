#include "xlsx/workbook_format.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/error.h"

namespace kalkora {

using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(WorkbookFormat, FormatsWeCanWriteAndTheOldOne) {
  EXPECT_NO_THROW(checkWorkbookFormat("/d/Kalkora.xlsx"));
  EXPECT_NO_THROW(checkWorkbookFormat("/d/Kalkora.XLSM"));
  try {
    checkWorkbookFormat("/d/Kalkora.xls");
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("Uložte ho v Excelu jako Sešit Excelu (.xlsx)"), std::string::npos);
  }
  EXPECT_THAT([&] { checkWorkbookFormat("/d/Kalkora.ods"); },
              ThrowsMessage<Error>(StrEq("Soubor /d/Kalkora.ods není sešit aplikace Excel ve formátu .xlsx nebo .xlsm. "
                                         "Uložte sešit jako .xlsx a připojte uložený soubor.")));
  EXPECT_THAT([&] { checkWorkbookFormat("/d/Kalkora"); }, ThrowsMessage<Error>(HasSubstr("Soubor /d/Kalkora není sešit")));
}

}  // namespace kalkora
