// The window's rules as the form's controller applies them, against a view
// that writes down what it is asked to do.
#include "form/controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "failing_file_system.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;
using Done = std::vector<std::string>;

// Lists hold their position plus one, so that a list never set is at -1.
struct FakeView : FormView {
  mutable std::map<std::string, std::string, std::less<>> texts, refused;
  mutable std::map<std::string, int, std::less<>> lists;
  Done done;  // what the controller asked, in order
  std::string marked_focus = "-";
  int timers = 0;

  using S = std::string_view;
  std::string Text(S c) const override { return texts[std::string(c)]; }
  void SetText(S c, S t) override { texts[std::string(c)] = t; }
  int Index(S c) const override { return lists[std::string(c)] - 1; }
  void SetIndex(S c, int i) override { lists[std::string(c)] = i + 1; }
  void Select(S c, int start, int length) override {
    Do("select", c, std::to_string(start) + " " + std::to_string(length));
  }
  void Focus(std::string_view c) override { Do("focus", c); }
  void Press(std::string_view c) override { Do("press", c); }
  void ShowReading(std::string_view c, const std::string& hint, bool refusing,
                   bool) override {
    if (refusing) refused[std::string(c)] = hint;
  }
  void SetHint(std::string_view, const std::string&) override {}
  void MarkRow(int row) override { Do("mark row", std::to_string(row)); }
  void MarkFocus(std::string_view c) override { marked_focus = c; }
  bool CopySelection(std::string_view c) override { return Do("copy", c); }
  void Minimise() override { Do("minimise"); }
  void Close() override { Do("close"); }
  bool OpenDocument(const std::filesystem::path&) override { return false; }
  void OpenAddress(const std::string&) override { Do("web"); }
  void ShowMessage(Tone tone, const std::string&, const std::string&) override {
    Do("message", std::to_string(int(tone)));
  }
  void StartSaveTimer(int) override { ++timers; }
  void StopSaveTimer() override {}
  void ShowPreview(const PreviewDrawing* drawing) override {
    Do("preview", drawing != nullptr ? "drawn" : "logo");
  }

  bool Do(std::string what, std::string_view on = "", std::string how = "") {
    if (!on.empty()) what += " " + std::string(on);
    done.push_back(how.empty() ? what : what + " " + how);
    return true;
  }
};

TEST(FormController, KeysTheFormAnswers) {
  const struct {
    FormKey key;
    const char* focused;
    bool repeat;
    bool used;
    Done done;
  } cases[] = {
      {FormKey::kEnter, "Go2", false, true, {"press Go2"}},
      {FormKey::kEnter, "Go2", true, true, {}},  // held: pressed once
      {FormKey::kEnter, "zzH2", false, false, {}},
      {FormKey::kSpace, "Go2", true, true, {}},
      {FormKey::kSpace, "Go2", false, false, {}},
      {FormKey::kDelete, "zzH2", false, false, {}},
  };
  for (const auto& c : cases) {
    TestFolder test;
    FakeView view;
    FormController controller(test.folder(), view);
    EXPECT_EQ(controller.Key(c.key, c.focused, c.repeat), c.used) << c.focused;
    EXPECT_EQ(view.done, c.done) << c.focused;
  }
}

TEST(FormController, ButtonsDoWhatTheirRoleSays) {
  const struct {
    const char* button;
    Done done;
  } cases[] = {
      {"Go2", {"message 0", "focus MAT2"}},  // refused: no section
      {"CmdHelp", {"message 0"}},            // the page could not be opened
      {"CmdWeb", {"message 1"}},             // no address to open
      {"CmdExit", {"close"}},
      {"zzH2", {}},
      {"Nothing", {}},
  };
  for (const auto& c : cases) {
    TestFolder test;
    FakeView view;
    FormController controller(test.folder(), view);
    controller.Clicked(c.button);
    EXPECT_EQ(view.done, c.done) << c.button;
  }
}

// A refused edit is told at the box; its entry turns red only when a Run
// would refuse what the box holds.
TEST(FormController, RefusedEditIsRedOnlyForAnEntryARunRefuses) {
  TestFolder test;
  FakeView view;
  FormController controller(test.folder(), view);
  controller.RefusedEdit("zzH1", "12", "there is nothing to paste");
  controller.RefusedEdit("zzV1", "1?5", "cannot be kept");
  EXPECT_EQ(view.refused.count("zzH1"), 0u);
  EXPECT_NE(view.refused["zzV1"].find("cannot be kept"), std::string::npos);
}

TEST(FormController, ListsAndBoxesAreSavedAsTheyChange) {
  TestFolder test;
  test.Write("TextFiles/MAT2.TXT", " 4 \r\n");
  FakeView view;
  FormController controller(test.folder(), view);
  controller.Start();
  view.done.clear();
  const int timers = view.timers;
  controller.Changed("txtClipboard");  // the window's own, never stored
  EXPECT_EQ(view.timers, timers);
  EXPECT_TRUE(controller.Key(FormKey::kDelete, "MAT2", false));
  EXPECT_TRUE(controller.TypeInList("OSL4", "l", 0, 400));
  EXPECT_FALSE(controller.TypeInList("zzH4", "l", 0, 400));
  EXPECT_EQ(view.timers, timers + 1);
  controller.SaveTimerFired();
  EXPECT_EQ(test.Read("TextFiles/MAT2.TXT"), "-1 \r\n");
  EXPECT_EQ(test.Read("TextFiles/OSL4.TXT"), " 1 \r\n");  // "Long"
  // A box that loses the focus shows its start and is saved at once.
  view.texts["zzL5"] = "10-11 15/16";
  controller.FocusLeft("zzL5");
  controller.FocusLeft("Go5");
  EXPECT_EQ(view.done, Done{"select zzL5 0 0"});
  EXPECT_EQ(test.Read("TextFiles/L5.TXT"), "10-11 15/16\r\n");
}

// The preview follows the row that holds or last held the focus, and each
// change of that row or of the end choice.
TEST(FormController, PreviewFollowsTheFocusedRow) {
  TestFolder test;
  test.Write("TextFiles/H2.TXT", "1-0 1/2\r\n");
  test.Write("TextFiles/L2.TXT", "48\r\n");
  for (const char* list : {"MAT2", "OSL2", "Pair2", "BS"}) {
    test.Write(std::string("TextFiles/") + list + ".TXT", " 0 \r\n");
  }
  FakeView view;
  FormController controller(test.folder(), view);
  controller.Start();
  view.done.clear();
  controller.Changed("zzH2");  // no row followed yet
  controller.Focused("zzV2");
  controller.Focused("Go2");  // the same row: nothing to redraw
  controller.Focused("Help");
  controller.Changed("zzH1");
  controller.Changed("BS");
  view.texts["zzL2"] = "0";
  controller.Changed("zzL2");
  controller.Focused("zzH1");  // row 1 is empty
  EXPECT_EQ(view.done, (Done{"preview drawn", "preview drawn", "preview logo",
                             "preview logo"}));
}

TEST(FormController, FocusMarkFramesEveryControlButTheCarrier) {
  TestFolder test;
  FakeView view;
  FormController controller(test.folder(), view);
  for (const FormControl& control : FormLayout(BuiltInMaker())) {
    controller.Focused(control.name);
    const bool focusable = control.kind == ControlKind::kTextBox ||
                           control.kind == ControlKind::kMultiLineText ||
                           control.kind == ControlKind::kList ||
                           control.kind == ControlKind::kButton;
    const bool marked = focusable && control.name != kClipboardCarrier &&
                        !control.name.ends_with("Fin");
    EXPECT_EQ(view.marked_focus, marked ? control.name : "") << control.name;
  }
}

TEST(FormController, StartPutsBackTheFieldsAndMarksTheUnreadable) {
  TestFolder test;
  test.Write("TextFiles/H2.TXT", "1-0 1/2\r\n");
  test.Write("TextFiles/MAT2.TXT", " 7 \r\n");
  test.Write("TextFiles/V3.TXT", "6 in\r\n");
  FakeView view;
  FormController controller(test.folder(), view);
  {
    testing::FailingFileSystem failing(
        testing::FailingFileSystem::Call::kOpenToRead,
        std::errc::permission_denied, "L1");
    controller.Start();
  }
  EXPECT_EQ(view.Text("zzH2"), "1-0 1/2");
  EXPECT_EQ(view.Index("MAT2"), 7);
  EXPECT_EQ(std::count(view.done.begin(), view.done.end(), "select zzH2 0 0"),
            1);
  EXPECT_FALSE(view.refused.count("zzH2"));
  EXPECT_NE(view.refused["zzV3"].find("6 in"), std::string::npos);
  EXPECT_NE(view.refused["zzL1"].find("L1.TXT"), std::string::npos);
}

// A close tells why the entries were not kept; the end of the session does
// not, and a logout that is cancelled goes on saving.
TEST(FormController, SavesAtCloseOnceAndAtTheSessionsEndSilently) {
  for (bool session_ends : {false, true}) {
    TestFolder test;
    FakeView view;
    FormController controller(test.folder(), view);
    view.texts["zzH1"] = "6";
    if (session_ends) controller.EndSession();
    EXPECT_EQ(test.Read("TextFiles/H1.TXT"),
              session_ends ? "6\r\n" : "<missing>");
    view.texts["zzH1"] = "7";
    std::filesystem::remove_all(test.root() / "TextFiles");
    controller.SaveTimerFired();
    controller.Close();
    controller.Close();
    controller.EndSession();
    controller.SaveTimerFired();
    // Told as typed without stopping the detailer, then at the close.
    EXPECT_EQ(view.done,
              session_ends ? Done{} : (Done{"message 3", "message 1"}));
  }
}

TEST(FormController, RunFinishesThroughTheCarrierOrFocusesTheRefusal) {
  TestFolder test;
  test.InstallNamedTemplates();
  FakeView view;
  FormController controller(test.folder(), view);
  view.texts = {{"zzH3", "x"}, {"zzV3", "6"}, {"zzW3", "9"}, {"zzL3", "120"}};
  view.lists = {{"MAT3", 1}, {"OSL3", 2}, {"Pair3", 2}, {"BS", 1}};
  controller.Run(3);
  EXPECT_EQ(view.done, (Done{"message 0", "focus zzH3", "select zzH3 0 -1"}));
  view.done.clear();
  view.texts["zzH3"] = "1-0 1/2";
  controller.Run(3);
  controller.Returned("zzH1");
  EXPECT_EQ(view.done, (Done{"focus txtClipboard", "select txtClipboard 0 -1",
                             "copy txtClipboard", "mark row 3", "focus Go3",
                             "minimise", "focus Go3"}));
}

}  // namespace
}  // namespace vpa
