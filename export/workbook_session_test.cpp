#include "export/workbook_session.h"

#include "export/workbook_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/recording_spreadsheet.h"
#include "platform/error.h"
#include "testing/recording_messages.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

struct Fixture {
  RecordingMessages messages;
  Workspace ws;
  std::vector<RecordingSpreadsheet*> created;  // owned by the session while it runs
  std::function<void(RecordingSpreadsheet&)> prepare;
  int exports = 0;
  WorkbookSession session{[this]() -> std::unique_ptr<Spreadsheet> {
    auto s = std::make_unique<RecordingSpreadsheet>(std::vector<std::string>{"a", "b"});
    if (prepare) prepare(*s);
    created.push_back(s.get());
    return s;
  }};
  RunExport exporter = [this](Spreadsheet& s) {
    ++exports;
    s.writeNumber(1, 1, 7, 5);
  };

  Fixture() {
    ws.params.workbookPath = "kalkora.xlsx";
    ws.params.Edit1 = "1";
  }
  ExportOutcome press() { return session.exportButton(ws, messages, exporter); }
};

}  // namespace

TEST(WorkbookSession, RefusesWithoutWorkbookOrPeriod) {
  Fixture f;
  f.ws.params.workbookPath.clear();
  EXPECT_EQ(f.press(), ExportOutcome::NoWorkbook);
  f.ws.params.workbookPath = "kalkora.xlsx";
  for (const char* period : {"0", "00", "-2"}) {
    f.ws.params.Edit1 = period;
    EXPECT_EQ(f.press(), ExportOutcome::NoPeriod) << period;
  }
  EXPECT_EQ(f.messages.shown.front(), std::string("notice: ") + kNoWorkbookMessage);
  EXPECT_EQ(f.messages.shown.back(), std::string("notice: ") + kNoPeriodMessage);
  // Beyond the workbook's last period: refused before anything is opened.
  // A text that is no integer is left to the exporter.
  for (const char* period : {"21", "99999"}) {
    f.ws.params.Edit1 = period;
    EXPECT_EQ(f.press(), ExportOutcome::NoPeriod) << period;
    EXPECT_EQ(f.messages.shown.back(), std::string("notice: ") + kPeriodRangeMessage);
  }
  EXPECT_TRUE(f.created.empty());
  f.ws.params.Edit1 = "20";
  EXPECT_EQ(f.press(), ExportOutcome::Done);
}

TEST(WorkbookSession, OpensExportsAndWritesTheWorkbookBack) {
  Fixture f;
  std::vector<std::string> calls;
  f.prepare = [&](RecordingSpreadsheet& s) {
    s.beforeCall = [&](const std::string& call) { calls.push_back(call); };
  };
  EXPECT_EQ(f.press(), ExportOutcome::Done);
  const std::vector<std::string> expected = {"visible 1",          "open kalkora.xlsx", "calculation manual",
                                             "number 1 1 7 5", "calculation automatic", "close"};
  EXPECT_EQ(calls, expected);
  EXPECT_FALSE(f.session.opened());

  // Without an import mode there is no export, and recalculation stays off.
  calls.clear();
  f.exporter = nullptr;
  EXPECT_EQ(f.press(), ExportOutcome::Done);
  EXPECT_EQ(calls, (std::vector<std::string>{"visible 1", "open kalkora.xlsx", "calculation manual", "close"}));
}

TEST(WorkbookSession, NoSpreadsheetOrNoWorkbookLeavesTheSessionClosed) {
  Fixture f;
  WorkbookSession none([] { return std::unique_ptr<Spreadsheet>(); });
  EXPECT_EQ(none.exportButton(f.ws, f.messages, f.exporter), ExportOutcome::NoApplication);
  EXPECT_EQ(f.messages.shown.back(), std::string("warning: ") + kNoApplicationMessage);
  EXPECT_FALSE(none.opened());

  f.prepare = [](RecordingSpreadsheet& s) {
    s.beforeCall = [](const std::string& call) {
      if (call.starts_with("open")) throw Error("Sešit nelze otevřít.");
    };
  };
  EXPECT_THAT([&] { f.press(); }, ThrowsMessage<Error>(StrEq("Sešit nelze otevřít.")));
  EXPECT_FALSE(f.session.opened());
  EXPECT_EQ(f.exports, 0);
}

TEST(WorkbookSession, RetriesOnceWhenTheSpreadsheetStopsAnswering) {
  Fixture f;
  f.prepare = [&](RecordingSpreadsheet& s) {
    if (f.created.empty())
      s.beforeCall = [](const std::string& call) {
        if (call == "calculation automatic") throw Error("Aplikace neodpovídá.");
      };
  };
  EXPECT_EQ(f.press(), ExportOutcome::Done);
  ASSERT_EQ(f.created.size(), 2u);
  EXPECT_EQ(f.exports, 2);

  // The retry is not guarded: a second failure is the caller's error.
  Fixture g;
  g.prepare = [](RecordingSpreadsheet& s) {
    s.beforeCall = [](const std::string& call) {
      if (call == "calculation automatic") throw Error("Aplikace neodpovídá.");
    };
  };
  EXPECT_THAT([&] { g.press(); }, ThrowsMessage<Error>(StrEq("Aplikace neodpovídá.")));
  EXPECT_EQ(g.created.size(), 2u);
  EXPECT_EQ(g.exports, 2);
  // The failed session is over: the next press opens the workbook anew.
  EXPECT_FALSE(g.session.opened());
  EXPECT_THAT([&] { g.press(); }, ThrowsMessage<Error>(StrEq("Aplikace neodpovídá.")));
  EXPECT_EQ(g.created.size(), 4u);
}

}  // namespace kalkora
