// Right-end passes get FSV01 = V + L (the depth of the angle's lower end);
// left-end passes get V itself. Both ends thus span V to V + L.
#include "macro/macro_writers.h"

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

Pass RightPass(std::string_view file, const std::string& v,
               const Staging& staging) {
  return {file, v, DecimalText(StagedNumber(v) + StagedNumber(staging.LFin))};
}

Error NoEndChosen() {
  return Error{
      "Choose the end of the beam under \"ADD ANGLES TO:\" (Right End, "
      "Left End or BOTH Ends); no macro was written."};
}

}  // namespace

Result<std::vector<Pass>> PairPasses(const Staging& staging,
                                     std::string_view end) {
  const std::string& v1 = staging.V1Fin;
  const std::string& v2 = staging.V2Fin;
  std::vector<Pass> right = {RightPass(kRightFirst, v1, staging),
                             RightPass(kRightSecond, v2, staging)};
  if (end == kRightEnd) return right;
  if (end == kLeftEnd) return {{{kLeftFirst, v1, v1}, {kLeftSecond, v2, v2}}};
  if (end != kBothEnds) return NoEndChosen();
  right.push_back({kBothLeftFirst, v1, v1});
  right.push_back({kLeftSecond, v2, v2});
  return right;
}

Result<std::vector<Pass>> SinglePasses(const Staging& staging,
                                       std::string_view end) {
  const std::string& v1 = staging.V1Fin;
  Pass right = RightPass(kRightFirst, v1, staging);
  if (end == kRightEnd) return {{right}};
  if (end == kLeftEnd) return {{{kLeftFirst, v1, StagedText(v1)}}};
  if (end != kBothEnds) return NoEndChosen();
  return {{right, {kBothLeftFirst, v1, StagedText(v1)}}};
}

Status WriteMacro(const ProgramFolder& folder, const Staging& staging,
                  const std::vector<Pass>& passes) {
  std::string macro;
  for (const Pass& pass : passes) {
    Result<std::string> text = ReadFile(folder.Template(pass.template_file));
    if (!text.ok()) return Error{text.error()};
    macro += TemplatePass(text.value(), staging, pass.zzv1, pass.fsv01);
  }
  return ReplaceFile(folder.MacroFile(), macro);
}

Status WritePairMacro(const ProgramFolder& folder, const Staging& staging,
                      std::string_view end) {
  Result<std::vector<Pass>> passes = PairPasses(staging, end);
  if (!passes.ok()) return Error{passes.error()};
  return WriteMacro(folder, staging, passes.value());
}

Status WriteSingleMacro(const ProgramFolder& folder, const Staging& staging,
                        std::string_view end) {
  Result<std::vector<Pass>> passes = SinglePasses(staging, end);
  if (!passes.ok()) return Error{passes.error()};
  return WriteMacro(folder, staging, passes.value());
}

}  // namespace vpa
