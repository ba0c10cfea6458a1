// The section lists get the catalogue in its own order: stored positions
// refer to it.
#include "app/main_window.h"
#include "app/text_bytes.h"
#include "catalogue/angle_catalogue.h"

namespace vpa {

void MainWindow::FillAngleCatalogue() {
  for (const RowControls& row : controls_.rows) {
    for (std::string_view name : kAngleCatalogue) {
      row.section->addItem(FromBytes(name));
    }
  }
}

}  // namespace vpa
