// The two macro writers: which templates a command expands, in which order,
// and with which V and FSV01 texts; then the macro file is replaced whole.
#ifndef VPA_MACRO_MACRO_WRITERS_H_
#define VPA_MACRO_MACRO_WRITERS_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/program_folder.h"
#include "base/result.h"
#include "macro/template_pass.h"
#include "staging/checked_row.h"

namespace vpa {

// A template is a few kilobytes; a larger file than this is not one.
inline constexpr size_t kMaxTemplateBytes = size_t{64} << 20;

// One template pass of a command.
struct Pass {
  std::string_view template_file;  // a file name under PythonFiles
  std::string zzv1;
  std::string fsv01;
};

// The passes of a pair command (two angles at each chosen end) and of a
// single command (one angle at each chosen end).
std::vector<Pass> PairPasses(const CheckedRow& row);
std::vector<Pass> SinglePasses(const CheckedRow& row);

// The staging fields of a checked row, as the templates receive them.
Staging StagingOf(const CheckedRow& row);

// Expands every pass the row asks for in memory, then replaces the macro
// file in one step; on any failure the former macro file stays as it was.
Status WriteMacro(const ProgramFolder& folder, const CheckedRow& row);

}  // namespace vpa

#endif  // VPA_MACRO_MACRO_WRITERS_H_
