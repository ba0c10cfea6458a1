// How many dimension entries the reader reads per second (and stages, as a
// row command does), over every form a detailer types and the odd ones.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "units/dimension.h"

namespace {

// Every form: decimal, fraction, feet-inch, their negatives, pass-through
// text, nothing, a conversion error, and staged values read back.
const std::vector<std::string> kEntries = {
    "1.5",      "12",
    "1 1/2",    "3/4",
    "1-0 1/2",  "10-6 1/2",
    "2 - 6",    "1.5-6",
    "-1-0 1/2", "-0-6",
    "-1 1/2",   "-3/4",
    "-1.50",    "",
    "abc",      "a-b",
    "1/0",      "5 3/0",
    "1 1 1/2",  "--6",
    "1e3",      "0.333333333333333",
    "126.5",    "120",
};

void BM_ParseDimension(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& entry : kEntries) {
      auto value = vpa::ParseDimension(entry);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * kEntries.size());
}
BENCHMARK(BM_ParseDimension);

// Reading plus the staged text, as a row command does for each entry.
void BM_StageDimension(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& entry : kEntries) {
      auto value = vpa::ParseDimension(entry);
      if (value.ok()) benchmark::DoNotOptimize(vpa::AsText(value.value()));
    }
  }
  state.SetItemsProcessed(state.iterations() * kEntries.size());
}
BENCHMARK(BM_StageDimension);

}  // namespace
