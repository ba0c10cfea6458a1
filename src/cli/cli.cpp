// Flags take the next argument whatever it begins with, so entries such as
// "-1.50" or "--6" pass through; "--flag=value" works as well.
#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>

#include "base/code_page_1252.h"
#include "base/files.h"
#include "base/system_reason.h"
#include "base/text.h"
#include "catalogue/angle_catalogue.h"
#include "cli/preview_svg.h"
#include "form/preview_row.h"
#include "form/run_row.h"
#include "form/unreadable_fields.h"
#include "macro/macro_writers.h"
#include "staging/row_check.h"

#ifndef VPA_VERSION
#define VPA_VERSION "0"
#endif

namespace vpa {
namespace {

namespace fs = std::filesystem;
using Flags = std::map<std::string, std::string>;

constexpr std::string_view kUsage =
    "Usage: vpa-macro [--folder DIR] COMMAND\n"
    "Writes the SDS/2 macro for vertical plain angles, as the window's Run "
    "buttons do.\n"
    "\n"
    "Commands:\n"
    "  read ENTRY...        print the text each dimension entry is staged "
    "as\n"
    "  write --end END --section NAME --pair 1|2 --leg Short|Long --l E\n"
    "        [--h E] [--v1 E] [--v2 E]\n"
    "                       write the macro for a row holding these "
    "entries\n"
    "  write --row N        write the macro for saved row N (1 to 5) and "
    "the\n"
    "                       saved end choice\n"
    "  preview ROW          draw the row's angles as an SVG picture; ROW is\n"
    "                       write's entry flags or --row N\n"
    "  catalogue            print the angle sections, one a line\n"
    "\n"
    "END is \"Right End\", \"Left End\" or \"BOTH Ends\" (or right, left, "
    "both).\n"
    "DIR is the program folder; by default the folder of this program.\n"
    "Exit status: 0 done, 1 a file error, 2 bad input or usage.\n";

const std::vector<std::string> kWriteFlags = {
    "end", "pair", "section", "leg", "h", "v1", "v2", "l", "row", "folder"};

struct UsageError {
  std::string message;
};

// Splits "--name=value" or "--name value"; advances `i` past what it used.
// A flag without its value is a usage error.
std::optional<std::pair<std::string, std::string>> TakeFlag(
    const std::vector<std::string>& args, size_t& i) {
  const std::string& arg = args[i];
  if (arg.rfind("--", 0) != 0) return std::nullopt;
  size_t equals = arg.find('=');
  if (equals != std::string::npos) {
    ++i;
    return std::make_pair(arg.substr(2, equals - 2), arg.substr(equals + 1));
  }
  if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
  i += 2;
  return std::make_pair(arg.substr(2), args[i - 1]);
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A --folder that names nothing would silently mean the current folder.
void CheckFolderFlag(const std::string& name, const std::string& value) {
  if (name == "folder" && value.empty()) {
    throw UsageError{"--folder needs a folder name"};
  }
}

// The write command's flags; nothing when help is asked for.
std::optional<Flags> ParseWriteFlags(const std::vector<std::string>& args,
                                     size_t i) {
  Flags flags;
  while (i < args.size()) {
    if (IsHelp(args[i])) return std::nullopt;
    size_t at = i;
    auto flag = TakeFlag(args, i);
    if (!flag) throw UsageError{"unexpected argument " + QuoteEntry(args[at])};
    auto& [name, value] = *flag;
    if (std::find(kWriteFlags.begin(), kWriteFlags.end(), name) ==
        kWriteFlags.end()) {
      throw UsageError{"unknown flag --" + name};
    }
    CheckFolderFlag(name, value);
    if (!flags.emplace(name, value).second) {
      throw UsageError{"--" + name + " is given twice"};
    }
  }
  return flags;
}

// The end choice --end names; the window's list is not at hand here, so a
// missing or unknown choice is a usage error about --end.
std::string EndChoice(const Flags& flags, const std::string& command) {
  auto flag = flags.find("end");
  if (flag == flags.end()) throw UsageError{command + " needs --end"};
  const std::string& end = flag->second;
  if (end == "right" || end == kRightEnd) return std::string(kRightEnd);
  if (end == "left" || end == kLeftEnd) return std::string(kLeftEnd);
  if (end == "both" || end == kBothEnds) return std::string(kBothEnds);
  throw UsageError{"--end " + QuoteEntry(end) +
                   " is not \"Right End\", \"Left End\" or \"BOTH Ends\" "
                   "(or right, left, both)"};
}

// The saved end choice of the window; without one, --row cannot write.
std::string SavedEnd(const FormState& saved) {
  if (saved.end.empty()) {
    throw UsageError{
        "no end choice is saved; choose one under \"ADD ANGLES "
        "TO:\" in the window and close it, or give the row's "
        "entries with --end"};
  }
  return saved.end;
}

template <size_t N>
void CheckChoice(const Flags& flags, const std::string& name,
                 const std::array<std::string_view, N>& items) {
  auto flag = flags.find(name);
  if (flag == flags.end()) return;
  if (std::find(items.begin(), items.end(), flag->second) == items.end()) {
    throw UsageError{"--" + name + " " + QuoteEntry(flag->second) +
                     " is not one of the list's items"};
  }
}

// The entries as given, in UTF-8, or with `convert` applied to each
// dimension.
RowEntries RowFromFlags(const Flags& flags,
                        std::string (*convert)(std::string_view)) {
  CheckChoice(flags, "section", kAngleCatalogue);
  CheckChoice(flags, "leg", kLegChoices);
  CheckChoice(flags, "pair", kPairChoices);
  auto get = [&](const std::string& name) {
    auto flag = flags.find(name);
    return flag == flags.end() ? std::string() : flag->second;
  };
  return {convert(get("h")), convert(get("v1")), convert(get("v2")),
          get("section"),    convert(get("l")),  get("leg"),
          get("pair")};
}

std::string AsGiven(std::string_view text) { return std::string(text); }

int SavedRow(const Flags& flags) {
  if (flags.size() != 1 + flags.count("folder")) {
    throw UsageError{"--row takes no other entry flags"};
  }
  const std::string& row = flags.at("row");
  if (row.size() != 1 || row[0] < '1' || row[0] > '5') {
    throw UsageError{"--row must be 1 to 5"};
  }
  return row[0] - '0';
}

// A wrong --folder is named as such, not as a missing template or an
// empty saved row; the program never creates a folder.
std::optional<std::string> MissingFolder(const ProgramFolder& folder,
                                         bool saved_row) {
  const std::string named = "the program folder " + PathText(folder.root());
  const fs::file_type type = TypeOf(folder.root());
  if (type != fs::file_type::directory) {
    return named + (type != fs::file_type::not_found ? " is not a folder"
                                                     : " does not exist");
  }
  for (const char* sub : {"PythonFiles", "0PY", "TextFiles"}) {
    if (!saved_row && sub == std::string_view("TextFiles")) continue;
    if (TypeOf(folder.root() / sub) != fs::file_type::directory) {
      return named + " holds no " + sub + " folder";
    }
  }
  return std::nullopt;
}

// The macro file's absolute path without "." or "..", as it is meant to be
// read; where ".." follows a link, the path the link leads to.
fs::path MacroPath(const ProgramFolder& folder) {
  const fs::path path = fs::absolute(folder.MacroFile());
  fs::path normal = path.lexically_normal();
  std::error_code error;
  if (!fs::equivalent(normal.parent_path(), path.parent_path(), error)) {
    normal = fs::weakly_canonical(path, error);
  }
  return normal.make_preferred();
}

// A refusal's lines become one line of stderr.
std::string OneLine(std::string message) {
  std::replace(message.begin(), message.end(), '\n', ' ');
  return message;
}

// Saved row `row`'s entries and the saved end choice. A field that cannot
// be read would write its row as if it were empty: the refusal instead.
std::optional<std::string> LoadSavedRow(const ProgramFolder& folder, int row,
                                        RowEntries& entries, std::string& end) {
  std::vector<UnreadableField> unreadable;
  FormState saved = LoadFormState(folder, &unreadable);
  std::string unread = UnreadableRowMessage(row, unreadable, saved);
  if (!unread.empty()) return unread;
  entries = saved.rows[row - 1];
  end = SavedEnd(saved);
  return std::nullopt;
}

// The row a command works on: saved row N with the saved end choice, or
// the row the flags give; an exit status when it cannot be had.
std::optional<int> TakeRow(const Flags& flags, const ProgramFolder& folder,
                           bool writes, std::ostream& err, int& row,
                           RowEntries& entries, std::string& end) {
  row = flags.count("row") ? SavedRow(flags) : 0;
  if (writes || row != 0) {
    if (auto missing = MissingFolder(folder, row != 0)) {
      err << "vpa-macro: " << *missing << "\n";
      return kExitFileError;
    }
  }
  if (row) {
    if (std::optional<std::string> refused =
            LoadSavedRow(folder, row, entries, end)) {
      err << "vpa-macro: " << OneLine(*refused) << "\n";
      return kExitBadInput;
    }
  } else {
    // Entries go to the core in the store's code page, as the windows give
    // them.
    entries = RowFromFlags(flags, Utf8To1252);
    end = EndChoice(flags, writes ? "write" : "preview");
  }
  return std::nullopt;
}

// A refusal quotes the entries as typed, with the hints read gives for
// what the code page cannot hold (a word processor's minus sign).
std::string TypedRefusal(const Flags& flags, int row, const std::string& end,
                         std::string message) {
  if (row != 0) return message;
  RowCheck typed = CheckRow(RowFromFlags(flags, AsGiven), end);
  return typed.row ? message : RefusalMessage(0, typed.refusals);
}

int Preview(const Flags& flags, const ProgramFolder& folder, std::ostream& out,
            std::ostream& err) {
  int row = 0;
  RowEntries entries;
  std::string end;
  if (auto status = TakeRow(flags, folder, false, err, row, entries, end)) {
    return *status;
  }
  const RowCheck check = CheckRow(entries, end);
  if (!check.row) {
    const std::string message =
        Utf8From1252(RefusalMessage(row, check.refusals));
    err << "vpa-macro: " << OneLine(TypedRefusal(flags, row, end, message))
        << "\n";
    return kExitBadInput;
  }
  out << PreviewSvg(DrawPreview(PreviewOf(*check.row)));
  return kExitDone;
}

int Write(const Flags& flags, const ProgramFolder& folder, std::ostream& out,
          std::ostream& err, const OutputCheck& check) {
  int row = 0;
  RowEntries entries;
  std::string end;
  if (auto status = TakeRow(flags, folder, true, err, row, entries, end)) {
    return *status;
  }
  // The same road as the windows' Run!, without the clipboard and the saves.
  RunOutcome outcome = WriteRow(folder, row, entries, end, "");
  if (outcome.kind == RunOutcome::Kind::kRefused) {
    outcome.message = TypedRefusal(flags, row, end, outcome.message);
  }
  if (outcome.kind != RunOutcome::Kind::kWritten) {
    err << "vpa-macro: " << OneLine(outcome.message) << "\n";
    return outcome.kind == RunOutcome::Kind::kRefused ? kExitBadInput
                                                      : kExitFileError;
  }
  // A batch file reads the path in the console's code page; a path that
  // does not fit would name another folder.
  const std::string path = PathText(MacroPath(folder));
  if (std::optional<std::string> barrier = check ? check(path) : std::nullopt) {
    err << "vpa-macro: the macro has been written all the same, but its path "
           "cannot be printed in "
        << *barrier << "; chcp 65001 lets the path through\n";
    return kExitFileError;
  }
  out << path << "\n";
  return kExitDone;
}

// The Run's verdict on each entry: what a Run refuses exits 2, with the
// Run's own reason. What the reader reads is printed all the same.
int Read(std::vector<std::string> entries, std::ostream& out,
         std::ostream& err) {
  // A leading "--" ends the options, as elsewhere; entries may begin with
  // "-" either way.
  if (!entries.empty() && entries.front() == "--")
    entries.erase(entries.begin());
  if (entries.empty()) throw UsageError{"read needs at least one entry"};
  int status = kExitDone;
  for (const std::string& entry : entries) {
    const DimensionCheck check = CheckDimension(RowField::kH, entry);
    if (check.dimension) {
      out << check.dimension->staged << "\n";
      if (check.refusal) {
        err << "vpa-macro: " << check.refusal->reason << "; a Run refuses it\n";
      }
    } else {
      err << "vpa-macro: " << check.refusal->reason << ". " << kAcceptedForms
          << "\n";
    }
    if (check.refusal) status = kExitBadInput;
  }
  return status;
}

int Run(const std::vector<std::string>& args, fs::path folder,
        std::ostream& out, std::ostream& err, const OutputCheck& check) {
  std::optional<std::string> folder_flag;
  for (size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    if (IsHelp(arg)) return out << kUsage, kExitDone;
    if (arg == "--version") return out << "vpa-macro " VPA_VERSION "\n", 0;
    if (arg == "read") {
      return Read({args.begin() + i + 1, args.end()}, out, err);
    }
    if (arg == "catalogue") {
      if (i + 1 < args.size()) {
        throw UsageError{"unexpected argument " + QuoteEntry(args[i + 1])};
      }
      for (std::string_view name : kAngleCatalogue) out << name << "\n";
      return kExitDone;
    }
    if (arg == "write" || arg == "preview") {
      std::optional<Flags> flags = ParseWriteFlags(args, i + 1);
      if (!flags) return out << kUsage, kExitDone;
      if (flags->count("folder")) {
        if (folder_flag) throw UsageError{"--folder is given twice"};
        folder_flag = flags->at("folder");
      }
      if (folder_flag) folder = PathFromText(*folder_flag);
      if (arg == "preview")
        return Preview(*flags, ProgramFolder(folder), out, err);
      return Write(*flags, ProgramFolder(folder), out, err, check);
    }
    auto flag = TakeFlag(args, i);
    if (!flag || flag->first != "folder") {
      throw UsageError{"unexpected argument " + QuoteEntry(arg)};
    }
    if (folder_flag) throw UsageError{"--folder is given twice"};
    CheckFolderFlag(flag->first, flag->second);
    folder_flag = flag->second;
  }
  throw UsageError{"no command given"};
}

int RunCatching(const std::vector<std::string>& args,
                const fs::path& default_folder, std::ostream& out,
                std::ostream& err, const OutputCheck& check) {
  int status;
  try {
    status = Run(args, default_folder, out, err, check);
  } catch (const UsageError& error) {
    err << "vpa-macro: " << error.message
        << " (vpa-macro --help shows the usage)\n";
    status = kExitBadInput;
  }
  // A path that never reached its reader is no success.
  errno = 0;
  if (!out.flush()) {
    int error_number = errno ? errno : EIO;
    err << "vpa-macro: cannot write to standard output: "
        << SystemReason(error_number) << "\n";
    return kExitFileError;
  }
  return status;
}

}  // namespace

// Messages quote arguments and paths, whose bytes may be anything; what
// reaches stderr is UTF-8 all the same.
int RunCli(const std::vector<std::string>& args, const fs::path& default_folder,
           std::ostream& out, std::ostream& err, const OutputCheck& check) {
  std::ostringstream messages;
  int status = RunCatching(args, default_folder, out, messages, check);
  err << EscapeNonUtf8(messages.str());
  return status;
}

}  // namespace vpa
