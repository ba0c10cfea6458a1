// One whole "BOTH Ends" pair command with the shipped templates: staging,
// four passes and the atomic replacement of the macro file, flushed to the
// disk. And a shut-down: the 36 field saves, each flushed.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "macro/macro_writers.h"
#include "staging/row_command.h"
#include "store/field_store.h"

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
  for (auto _ : state) {
    vpa::Status done = vpa::RunRowCommand(folder, 1, row, vpa::kBothEnds);
    if (!done.ok()) {
      state.SkipWithError(done.error().c_str());
      break;
    }
  }
}
BENCHMARK(BM_BothEndsPairCommand)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What the window saves at close: 20 texts and 16 list positions.
void BM_ShutDownSaves(benchmark::State& state) {
  BenchFolder temporary;
  vpa::ProgramFolder folder(temporary.root());
  for (auto _ : state) {
    for (int row = 1; row <= 5; ++row) {
      std::string n = std::to_string(row);
      for (const char* stem : {"H", "V", "W", "L"}) {
        vpa::SaveField(folder, stem + n, "1-0 1/2");
      }
      for (const char* stem : {"MAT", "OSL", "Pair"}) {
        vpa::SaveField(folder, stem + n, row);
      }
    }
    vpa::SaveField(folder, "BS", 2);
  }
}
BENCHMARK(BM_ShutDownSaves)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
