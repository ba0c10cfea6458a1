// Template expansion: one template's text, with the staged values of a row
// in place of its tokens, becomes one block of the macro file.
#ifndef VPA_MACRO_TEMPLATE_PASS_H_
#define VPA_MACRO_TEMPLATE_PASS_H_

#include <string>
#include <string_view>

namespace vpa {

// One row's values as the macro writers read them: dimensions as decimal
// inches (or an entry passed through unconverted), section and leg as chosen.
struct Staging {
  std::string HFin;
  std::string V1Fin;
  std::string V2Fin;
  std::string MatFin;
  std::string LFin;
  std::string OSLFin;
};

// Replaces every occurrence of `token` (never empty) from left to right; the
// replacement is never searched again. Linear in the size of `text`.
std::string ReplaceAll(std::string_view text, std::string_view token,
                       std::string_view replacement);

// Expands one template: each line (ended by CR LF, LF or a lone CR) trimmed
// of spaces and preceded by CR LF, the tokens replaced in their fixed order,
// and one closing CR LF. The result is the template's block of the macro. A
// UTF-8 byte-order mark at the template's start is dropped.
std::string TemplatePass(std::string_view template_text, const Staging& staging,
                         std::string_view zzv1, std::string_view fsv01);

}  // namespace vpa

#endif  // VPA_MACRO_TEMPLATE_PASS_H_
