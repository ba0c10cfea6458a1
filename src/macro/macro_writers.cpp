// Right-end passes get FSV01 = V + L (the depth of the angle's lower end);
// left-end passes get V itself. Both ends thus span V to V + L.
#include "macro/macro_writers.h"

#include <cmath>

#include "base/files.h"
#include "units/decimal_text.h"
#include "units/dimension.h"

namespace vpa {
namespace {

constexpr std::string_view kRightFirst = "WALLBEARANG.PY";
constexpr std::string_view kRightSecond = "WALLBEARANGr2.PY";
constexpr std::string_view kLeftFirst = "WALLBEARANGl.PY";
constexpr std::string_view kBothLeftFirst = "WALLBEARANGla.PY";
constexpr std::string_view kLeftSecond = "WALLBEARANGl2.PY";

// A staged text read back as a number. Staged texts are decimal texts or
// entries the reader passed through, so they always read back.
double StagedNumber(const std::string& staged) {
  Result<DimensionValue> value = ParseDimension(staged);
  return value.ok() ? AsNumber(value.value()) : 0;
}

std::string StagedText(const std::string& staged) {
  Result<DimensionValue> value = ParseDimension(staged);
  return value.ok() ? AsText(value.value()) : std::string();
}

// V + L as decimal text; a sum too large for a number refuses the command.
Result<Pass> RightPass(std::string_view file, std::string_view v_name,
                       const std::string& v, const Staging& staging) {
  double sum = StagedNumber(v) + StagedNumber(staging.LFin);
  if (!std::isfinite(sum)) {
    return Error{std::string(v_name) + " and L: " + std::string(v_name) +
                 " + L is too large to write as a number; enter smaller "
                 "values. No macro was written."};
  }
  return Pass{file, v, DecimalText(sum)};
}

Error NoEndChosen() {
  return Error{
      "Choose the end of the beam under \"ADD ANGLES TO:\" (Right End, "
      "Left End or BOTH Ends); no macro was written."};
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

Result<std::vector<Pass>> PairPasses(const Staging& staging,
                                     std::string_view end) {
  const std::string& v1 = staging.V1Fin;
  const std::string& v2 = staging.V2Fin;
  if (end == kLeftEnd) return {{{kLeftFirst, v1, v1}, {kLeftSecond, v2, v2}}};
  if (end != kRightEnd && end != kBothEnds) return NoEndChosen();
  Result<Pass> first = RightPass(kRightFirst, "V1", v1, staging);
  if (!first.ok()) return first.failure();
  Result<Pass> second = RightPass(kRightSecond, "V2", v2, staging);
  if (!second.ok()) return second.failure();
  std::vector<Pass> passes = {first.value(), second.value()};
  if (end == kRightEnd) return passes;
  passes.push_back({kBothLeftFirst, v1, v1});
  passes.push_back({kLeftSecond, v2, v2});
  return passes;
}

Result<std::vector<Pass>> SinglePasses(const Staging& staging,
                                       std::string_view end) {
  const std::string& v1 = staging.V1Fin;
  if (end == kLeftEnd) return {{{kLeftFirst, v1, StagedText(v1)}}};
  if (end != kRightEnd && end != kBothEnds) return NoEndChosen();
  Result<Pass> right = RightPass(kRightFirst, "V1", v1, staging);
  if (!right.ok()) return right.failure();
  if (end == kRightEnd) return {{right.value()}};
  return {{right.value(), {kBothLeftFirst, v1, StagedText(v1)}}};
}

Status WriteMacro(const ProgramFolder& folder, const Staging& staging,
                  const std::vector<Pass>& passes) {
  std::string macro;
  for (const Pass& pass : passes) {
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
