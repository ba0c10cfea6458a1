// The synthetic template: a few macro-like lines repeated, every one with
// tokens, some indented with spaces or a tab, some with trailing spaces.
#include "bench_template.h"

namespace vpa::bench {

std::string TokenTemplate(size_t size) {
  static constexpr const char* kLines[] = {
      "    section = \"ANGLESHAPE\"  # zzL long, VT. leg\r\n",
      "\th = float(\"zzH\")\r\n",
      "  depth = float(\"zzV1\") + float(\"FSV01\") - float(\"zzL\")\r\n",
      "ang1.OSL = \"VT.\"; ang1.section = \"ANGLESHAPE\"   \r\n",
      "    print(\"zzH zzV1 FSV01 done\")\r\n",
  };
  std::string text;
  text.reserve(size + 128);
  for (size_t i = 0; text.size() < size; ++i) text += kLines[i % 5];
  text.resize(size);
  return text;
}

Staging BenchStaging() {
  return {"12.5", "6", "9", "L4x4x1/2", "120", "Short"};
}

}  // namespace vpa::bench
