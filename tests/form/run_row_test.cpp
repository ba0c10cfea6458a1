// The Run command's outcomes, as both windows and vpa-macro map them.
#include "form/run_row.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "base/file_system.h"
#include "catalogue/angle_catalogue.h"
#include "form/clipboard_finish.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

FormState Filled() {
  FormState state;
  state.rows[2] = {"1-0 1/2", "6",    "9", std::string(kAngleCatalogue[0]),
                   "120",     "Long", "2"};
  state.end = kBothEnds;
  return state;
}

TEST(RunFormRow, RefusedFocusesTheFirstBadControlAndSavesNothing) {
  const struct {
    void (*spoil)(FormState&);
    const char* focus;
    bool select_all;
    const char* message_part;
  } cases[] = {
      // An entry is quoted in the store's code page; the message is UTF-8.
      {[](FormState& s) { s.rows[2][RowField::kV2] = "9\xB0"; }, "zzW3", true,
       "V2: \xC2\xB0 is not part of a dimension; 9\xC2\xB0 would be read "
       "as 9 in"},
      {[](FormState& s) { s.rows[2][RowField::kLeg] = ""; }, "OSL3", false,
       "OSL: choose"},
      {[](FormState& s) { s.end = ""; }, "BS", false, "ADD ANGLES TO: choose"},
  };
  for (const auto& c : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    FormState state = Filled();
    c.spoil(state);
    StoredForm stored(test.folder());
    RunOutcome outcome = RunFormRow(stored, 3, state, "");
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::kRefused);
    EXPECT_EQ(outcome.focus, c.focus);
    EXPECT_EQ(outcome.select_all, c.select_all) << c.focus;
    EXPECT_NE(outcome.message.find(c.message_part), std::string::npos)
        << outcome.message;
    EXPECT_EQ(test.Read("TextFiles/H3.TXT"), "<missing>");
  }
}

TEST(RunFormRow, WrittenSavesTheFieldsAndMarksTheRow) {
  TestFolder test;
  test.InstallNamedTemplates();
  StoredForm stored(test.folder());
  RunOutcome outcome = RunFormRow(stored, 3, Filled(), "14:05:09");
  ASSERT_EQ(outcome.kind, RunOutcome::Kind::kWritten) << outcome.message;
  EXPECT_EQ(outcome.marked_row, 3);
  EXPECT_EQ(outcome.macro_file.filename(), "0.PY");
  EXPECT_NE(outcome.run_tooltips[2].find("At 14:05:09 this row wrote "),
            std::string::npos);
  EXPECT_EQ(outcome.run_tooltips[1].find("At "), std::string::npos);
  EXPECT_EQ(test.Read("TextFiles/H3.TXT"), "1-0 1/2\r\n");
  EXPECT_EQ(test.Read("TextFiles/BS.TXT"), " 0 \r\n");
}

// A stored entry that cannot be read refuses its row, and only its row,
// until the detailer gives it again; its file is left as it was.
TEST(RunFormRow, UnreadableStoredEntryRefusesItsRowUntilChanged) {
  TestFolder test;
  test.InstallNamedTemplates();
  test.Write("TextFiles/V3.TXT", std::string("\xFF\xFE"
                                             "6\0",
                                             4));
  StoredForm stored(test.folder());
  FormState state = stored.Load();
  state.rows[2] = Filled().rows[2];
  state.rows[2][RowField::kV1] = "";
  state.end = kBothEnds;
  RunOutcome outcome = RunFormRow(stored, 3, state, "");
  ASSERT_EQ(outcome.kind, RunOutcome::Kind::kRefused);
  EXPECT_EQ(outcome.focus, "zzV3");
  EXPECT_NE(outcome.message.find("V3.TXT"), std::string::npos)
      << outcome.message;
  state.rows[3] = Filled().rows[2];
  EXPECT_EQ(RunFormRow(stored, 4, state, "").kind, RunOutcome::Kind::kWritten);
  EXPECT_EQ(test.Read("TextFiles/V3.TXT"), std::string("\xFF\xFE"
                                                       "6\0",
                                                       4));
  state.rows[2][RowField::kV1] = "6";
  EXPECT_EQ(RunFormRow(stored, 3, state, "").kind, RunOutcome::Kind::kWritten);
  EXPECT_EQ(test.Read("TextFiles/V3.TXT"), "6\r\n");
}

#ifndef _WIN32
// The Run! tooltip's time is the clock's, in the local time zone.
TEST(ClockTime, IsTheLocalTimeOfTheClock) {
  struct At : FileSystem {
    std::time_t Now() override { return 5 * 3600 + 61; }  // 05:01:01 UTC
  } clock;
  ScopedFileSystem installed(clock);
  const char* zone = std::getenv("TZ");
  const std::string former = zone ? zone : "";
  setenv("TZ", "UTC-2", 1);
  tzset();
  EXPECT_EQ(ClockTime(), "07:01:01");
  zone ? setenv("TZ", former.c_str(), 1) : unsetenv("TZ");
  tzset();
}
#endif

TEST(RunFormRow, FailedWriteSavesNothing) {
  TestFolder test;
  StoredForm stored(test.folder());
  RunOutcome outcome = RunFormRow(stored, 3, Filled(), "");
  EXPECT_EQ(outcome.kind, RunOutcome::Kind::kFailed);
  EXPECT_NE(outcome.message.find("WALLBEARANG.PY"), std::string::npos);
  EXPECT_EQ(test.Read("TextFiles/H3.TXT"), "<missing>");
}

// A message box runs its own event loop: a Run pressed while a refusal is
// shown does nothing.
TEST(RunCommand, ARunStartedWhileAnotherShowsIsDropped) {
  struct View : RunOutcomeView {
    RunCommand* command = nullptr;
    int refusals = 0;
    void ShowRefusal(const RunOutcome&) override {
      if (++refusals == 1) command->Run(3, FormState(), *this);
    }
    void ShowFailure(const RunOutcome&) override {}
    bool PutPathOnClipboard(const RunOutcome&) override { return true; }
    void MarkWritten(const RunOutcome&) override {}
    void StepAside(const RunOutcome&) override {}
    void ShowUnclipped(const RunOutcome&) override {}
    void TellUnsaved(const std::string&) override {}
  } view;
  TestFolder test;
  StoredForm stored(test.folder());
  RunCommand command(stored);
  view.command = &command;
  command.Run(3, FormState(), view);
  command.Run(3, FormState(), view);
  EXPECT_EQ(view.refusals, 2);
}

// A clipboard held by another program: the window steps aside only once the
// path is on it, and otherwise says so and shows the path.
TEST(RunCommand, StepsAsideOnlyWithThePathOnTheClipboard) {
  struct View : RunOutcomeView {
    int free_on_try = 0;  // 0: never
    int tries = 0;
    bool stepped_aside = false;
    RunOutcome unclipped, marked;
    void ShowRefusal(const RunOutcome&) override {}
    void ShowFailure(const RunOutcome&) override {}
    bool PutPathOnClipboard(const RunOutcome&) override {
      return ++tries == free_on_try;
    }
    void MarkWritten(const RunOutcome& outcome) override { marked = outcome; }
    void StepAside(const RunOutcome&) override { stepped_aside = true; }
    void ShowUnclipped(const RunOutcome& outcome) override {
      unclipped = outcome;
    }
    void TellUnsaved(const std::string&) override {}
  };
  const struct {
    int free_on_try;
    bool stepped_aside;
    int tries;
  } cases[] = {{1, true, 1},
               {kClipboardTries, true, kClipboardTries},
               {0, false, kClipboardTries}};
  for (const auto& c : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    StoredForm stored(test.folder());
    RunCommand command(stored);
    View view;
    view.free_on_try = c.free_on_try;
    command.Run(3, Filled(), view);
    EXPECT_EQ(view.stepped_aside, c.stepped_aside) << c.free_on_try;
    EXPECT_EQ(view.tries, c.tries) << c.free_on_try;
    EXPECT_EQ(view.marked.marked_row, 3) << c.free_on_try;
    EXPECT_NE(test.Read("0PY/0.PY"), "<missing>") << "the macro stays";
    const std::string& tip = view.marked.run_tooltips[2];
    EXPECT_EQ(tip.find("the path is on the clipboard") != std::string::npos,
              c.stepped_aside)
        << tip;
    if (c.stepped_aside) continue;
    EXPECT_NE(view.unclipped.message.find("Row 3's macro is written, but its "
                                          "path could not be put on the "
                                          "clipboard"),
              std::string::npos)
        << view.unclipped.message;
    EXPECT_EQ(view.unclipped.macro_file.filename(), "0.PY");
  }
}

}  // namespace
}  // namespace vpa
