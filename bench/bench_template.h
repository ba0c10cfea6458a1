// A synthetic template dense with tokens, shared by the expansion timings
// and by scripts/bench, which hands the same bytes to sed.
#ifndef VPA_BENCH_BENCH_TEMPLATE_H_
#define VPA_BENCH_BENCH_TEMPLATE_H_

#include <cstddef>
#include <string>

#include "macro/template_pass.h"

namespace vpa::bench {

// `size` bytes of indented CR LF lines; every line holds one or more of the
// six tokens.
std::string TokenTemplate(size_t size);

// The staged values the timings expand with ("Short", so all six tokens are
// replaced).
Staging BenchStaging();

}  // namespace vpa::bench

#endif  // VPA_BENCH_BENCH_TEMPLATE_H_
