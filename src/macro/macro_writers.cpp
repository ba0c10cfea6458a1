// Right-end passes get FSV01 = V + L (the depth of the angle's lower end);
// left-end passes get V itself. Both ends thus span V to V + L.
#include "macro/macro_writers.h"

#include "base/files.h"
#include "units/decimal_text.h"

namespace vpa {
namespace {

constexpr std::string_view kRightFirst = "WALLBEARANG.PY";
constexpr std::string_view kRightSecond = "WALLBEARANGr2.PY";
constexpr std::string_view kLeftFirst = "WALLBEARANGl.PY";
constexpr std::string_view kBothLeftFirst = "WALLBEARANGla.PY";
constexpr std::string_view kLeftSecond = "WALLBEARANGl2.PY";

// V + L as decimal text: the depth of the angle's lower end.
Pass RightPass(std::string_view file, const CheckedDimension& v,
               const CheckedRow& row) {
  return Pass{file, v.staged, DecimalText(v.inches + row.l.inches)};
}

Pass LeftPass(std::string_view file, const CheckedDimension& v) {
  return Pass{file, v.staged, v.staged};
}

// A template saved as Unicode (Notepad's UTF-16) or holding NUL bytes would
// expand into a macro of NULs with no token replaced.
Status CheckTemplateText(const std::filesystem::path& path,
                         std::string_view text) {
  std::string_view head = text.substr(0, 2);
  if (head == "\xFF\xFE" || head == "\xFE\xFF") {
    return FileError("read", ErrorCode::kNotText, path,
                     "it is saved as Unicode (UTF-16); open it in Notepad and "
                     "save it again with the encoding ANSI");
  }
  if (text.find('\0') != std::string_view::npos) {
    return FileError("read", ErrorCode::kNotText, path,
                     "it holds NUL bytes and is not a text file; put back "
                     "the template that came with VPA");
  }
  return Ok();
}

}  // namespace

std::vector<Pass> PairPasses(const CheckedRow& row) {
  if (row.end == EndChoice::kLeft) {
    return {LeftPass(kLeftFirst, row.v1), LeftPass(kLeftSecond, row.v2)};
  }
  std::vector<Pass> passes = {RightPass(kRightFirst, row.v1, row),
                              RightPass(kRightSecond, row.v2, row)};
  if (row.end == EndChoice::kBoth) {
    passes.push_back(LeftPass(kBothLeftFirst, row.v1));
    passes.push_back(LeftPass(kLeftSecond, row.v2));
  }
  return passes;
}

std::vector<Pass> SinglePasses(const CheckedRow& row) {
  if (row.end == EndChoice::kLeft) return {LeftPass(kLeftFirst, row.v1)};
  std::vector<Pass> passes = {RightPass(kRightFirst, row.v1, row)};
  if (row.end == EndChoice::kBoth) {
    passes.push_back(LeftPass(kBothLeftFirst, row.v1));
  }
  return passes;
}

Staging StagingOf(const CheckedRow& row) {
  return {row.h.staged, row.v1.staged, row.v2.staged,
          row.section,  row.l.staged,  row.leg};
}

Status WriteMacro(const ProgramFolder& folder, const CheckedRow& row) {
  const Staging staging = StagingOf(row);
  std::string macro;
  for (const Pass& pass : row.single ? SinglePasses(row) : PairPasses(row)) {
    const std::filesystem::path path = folder.Template(pass.template_file);
    Result<std::string> text = ReadFile(path, kMaxTemplateBytes);
    if (!text.ok()) return text.failure();
    Status checked = CheckTemplateText(path, text.value());
    if (!checked.ok()) return checked;
    macro += TemplatePass(text.value(), staging, pass.zzv1, pass.fsv01);
  }
  return ReplaceFile(folder.MacroFile(), macro);
}

}  // namespace vpa
