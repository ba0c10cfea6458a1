// store-field FOLDER NAME TEXT | store-field FOLDER NAME --index N: saves one
// field through the store itself, so that the Windows check seeds its program
// folders in exactly the bytes the program writes, with no second copy of
// the format.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/field_store.h"

int main(int argc, char** argv) {
  const bool index = argc == 5 && std::string(argv[3]) == "--index";
  if (argc != 4 && !index) {
    std::fprintf(stderr,
                 "usage: store-field FOLDER NAME TEXT\n"
                 "       store-field FOLDER NAME --index N\n");
    return 2;
  }
  const vpa::ProgramFolder folder(argv[1]);
  const vpa::Status saved =
      index ? vpa::SaveField(folder, argv[2], std::atoi(argv[4]))
            : vpa::SaveField(folder, argv[2], argv[3]);
  if (!saved.ok()) {
    std::fprintf(stderr, "store-field: %s\n", saved.error().c_str());
    return 1;
  }
  return 0;
}
