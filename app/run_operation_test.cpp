#include "app/run_operation.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/operation_stopped.h"
#include "testing/recording_dialogs.h"

namespace kalkora {

TEST(RunOperation, AStopIsANoticeAndEveryOtherExceptionAnErrorWithItsText) {
  RecordingDialogs dialogs;
  EXPECT_EQ(runOperation(dialogs, [] {}), Outcome::Done);
  EXPECT_EQ(runOperation(dialogs, [] { throw OperationStopped("Není vybrán žádný typ výkazu."); }), Outcome::Stopped);
  EXPECT_EQ(runOperation(dialogs, [] { throw Error("Importní soubor nebyl nalezen."); }), Outcome::Failed);
  EXPECT_EQ(runOperation(dialogs, [] { throw std::length_error("vector::reserve"); }), Outcome::Failed);
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"notice: Není vybrán žádný typ výkazu.",
                                                     "error: Importní soubor nebyl nalezen.",
                                                     "error: vector::reserve"}));
}

}  // namespace kalkora
