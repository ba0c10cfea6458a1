// Runs the timings; "--write-template PATH" instead writes the 1 MiB
// template so that scripts/bench can time sed on the very same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>

#include "bench_template.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-template") == 0) {
    std::ofstream(argv[2], std::ios::binary)
        << vpa::bench::TokenTemplate(1 << 20);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
