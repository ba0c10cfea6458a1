// One whole "BOTH Ends" pair command with the shipped templates: staging,
// four passes and the atomic replacement of the macro file, flushed to the
// disk. And a shut-down: the 36 field saves, each flushed, or each left
// alone when it holds its value already.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "catalogue/angle_catalogue.h"
#include "form/form_state.h"
#include "form/run_row.h"
#include "macro/macro_writers.h"

namespace {

namespace fs = std::filesystem;

// A program folder in the temporary folder holding the shipped templates.
class BenchFolder {
 public:
  BenchFolder()
      : root_(fs::temp_directory_path() /
              ("vpa-bench-" + std::to_string(std::random_device()()))) {
    fs::create_directories(root_ / "0PY");
    fs::create_directories(root_ / "TextFiles");
    fs::copy(fs::path(VPA_SOURCE_DATA) / "PythonFiles", root_ / "PythonFiles");
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

void BM_BothEndsPairCommand(benchmark::State& state) {
  BenchFolder temporary;
  vpa::ProgramFolder folder(temporary.root());
  vpa::RowEntries row = {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"};
  const std::string both(vpa::kBothEnds);
  for (auto _ : state) {
    vpa::RunOutcome done = vpa::WriteRow(folder, 1, row, both, "");
    if (done.kind != vpa::RunOutcome::Kind::kWritten) {
      state.SkipWithError(done.message.c_str());
      break;
    }
  }
}
BENCHMARK(BM_BothEndsPairCommand)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A form whose every stored field differs from `other`'s.
vpa::FormState SampleForm(bool other) {
  vpa::FormState form;
  for (vpa::RowEntries& row : form.rows) {
    row = {other ? "1-0 1/2" : "12.5",
           other ? "" : "6",
           other ? "" : "9",
           std::string(vpa::kAngleCatalogue[other ? 7 : 8]),
           other ? "" : "120",
           std::string(vpa::kLegChoices[other ? 0 : 1]),
           std::string(vpa::kPairChoices[other ? 0 : 1])};
  }
  form.end = vpa::kEndChoices[other ? 1 : 2];
  return form;
}

// What the window saves at close: 20 texts and 16 list positions, every one
// of them changed since the last close.
void BM_ShutDownSaves(benchmark::State& state) {
  BenchFolder temporary;
  vpa::ProgramFolder folder(temporary.root());
  const vpa::FormState forms[] = {SampleForm(false), SampleForm(true)};
  int turn = 0;
  for (auto _ : state) vpa::SaveFormState(folder, forms[turn++ % 2]);
}
BENCHMARK(BM_ShutDownSaves)->Unit(benchmark::kMillisecond)->UseRealTime();

// The usual close: nothing changed, so every field is read and left alone.
void BM_ShutDownSavesUnchanged(benchmark::State& state) {
  BenchFolder temporary;
  vpa::ProgramFolder folder(temporary.root());
  const vpa::FormState form = SampleForm(false);
  vpa::SaveFormState(folder, form);
  for (auto _ : state) vpa::SaveFormState(folder, form);
}
BENCHMARK(BM_ShutDownSavesUnchanged)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
