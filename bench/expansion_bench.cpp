// Expansion speed at 64 KiB, 1 MiB and 16 MiB: the figures must stay flat,
// which shows that expansion grows linearly with the template.
#include <benchmark/benchmark.h>

#include "bench_template.h"
#include "macro/template_pass.h"

namespace {

using vpa::bench::BenchStaging;
using vpa::bench::TokenTemplate;

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(64 << 10)->Arg(1 << 20)->Arg(16 << 20);
  bench->Unit(benchmark::kMicrosecond);
}

void BM_ReplaceAll(benchmark::State& state) {
  std::string text = TokenTemplate(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vpa::ReplaceAll(text, "zzV1", "6"));
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReplaceAll)->Apply(Sizes);

void BM_TemplatePass(benchmark::State& state) {
  std::string text = TokenTemplate(state.range(0));
  vpa::Staging staging = BenchStaging();
  for (auto _ : state) {
    benchmark::DoNotOptimize(vpa::TemplatePass(text, staging, "6", "126"));
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TemplatePass)->Apply(Sizes);

}  // namespace
