#include "test_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace vpa::testing {
namespace fs = std::filesystem;

namespace {
fs::path FreshFolder() {
  std::random_device seed;
  fs::path root = fs::temp_directory_path() /
                  ("vpa-test-" + std::to_string(seed()) + std::to_string(seed()));
  fs::create_directories(root / "PythonFiles");
  fs::create_directories(root / "0PY");
  fs::create_directories(root / "TextFiles");
  return root;
}
}  // namespace

TestFolder::TestFolder() : folder_(FreshFolder()) {}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::permissions(root() / "0PY", fs::perms::owner_all,
                  fs::perm_options::add, ignored);
  fs::permissions(root() / "TextFiles", fs::perms::owner_all,
                  fs::perm_options::add, ignored);
  fs::remove_all(root(), ignored);
}

void TestFolder::Write(const fs::path& relative, std::string_view bytes) {
  std::ofstream(root() / relative, std::ios::binary) << bytes;
}

std::string TestFolder::Read(const fs::path& relative) const {
  std::ifstream file(root() / relative, std::ios::binary);
  if (!file) return "<missing>";
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void TestFolder::InstallShippedTemplates() {
  for (const auto& entry :
       fs::directory_iterator(fs::path(VPA_SOURCE_DATA) / "PythonFiles")) {
    fs::copy_file(entry.path(), root() / "PythonFiles" / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
}

void TestFolder::InstallNamedTemplates() {
  for (const char* name : {"WALLBEARANG.PY", "WALLBEARANGr2.PY",
                           "WALLBEARANGl.PY", "WALLBEARANGla.PY",
                           "WALLBEARANGl2.PY"}) {
    Write(fs::path("PythonFiles") / name,
          std::string("# ") + name + "\r\n  v=zzV1 fs=FSV01\r\n" +
              "h=zzH l=zzL s=ANGLESHAPE k=VT.\r\n");
  }
}

}  // namespace vpa::testing
