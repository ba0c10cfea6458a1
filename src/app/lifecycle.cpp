// Start-up and shut-down through the field store, in a fixed order: the
// short lists and their positions, the catalogue, the row texts, then the
// section positions (which refer to the filled catalogue).
#include <QCloseEvent>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "catalogue/angle_catalogue.h"
#include "store/field_store.h"

namespace vpa {
namespace {

template <size_t N>
void AddItems(QComboBox* list, const std::array<std::string_view, N>& items) {
  for (std::string_view item : items) list->addItem(FromBytes(item));
}

QString FieldName(const char* stem, int row) {
  return stem + QString::number(row);
}

}  // namespace

void MainWindow::StartUp() {
  auto restore_index = [this](QComboBox* list, const QString& name) {
    list->setCurrentIndex(
        StoredIndex(LoadField(core_folder_, ToBytes(name)), list->count()));
  };
  auto restore_text = [this](QLineEdit* box, const QString& name) {
    box->setText(FromBytes(LoadField(core_folder_, ToBytes(name))));
  };

  for (int row = 1; row <= kRowCount; ++row) {
    QComboBox* leg = controls_.rows[row - 1].leg;
    AddItems(leg, kLegChoices);
    restore_index(leg, FieldName("OSL", row));
  }
  AddItems(controls_.end, kEndChoices);
  restore_index(controls_.end, "BS");
  for (int row = 1; row <= kRowCount; ++row) {
    QComboBox* pair = controls_.rows[row - 1].pair;
    AddItems(pair, kPairChoices);
    restore_index(pair, FieldName("Pair", row));
  }
  FillAngleCatalogue();
  for (int row = 1; row <= kRowCount; ++row) {
    restore_text(controls_.rows[row - 1].h, FieldName("H", row));
  }
  for (int row = 1; row <= kRowCount; ++row) {
    restore_text(controls_.rows[row - 1].v1, FieldName("V", row));
  }
  for (int row = 1; row <= kRowCount; ++row) {
    restore_text(controls_.rows[row - 1].v2, FieldName("W", row));
  }
  for (int row = 1; row <= kRowCount; ++row) {
    restore_text(controls_.rows[row - 1].l, FieldName("L", row));
  }
  for (int row = 1; row <= kRowCount; ++row) {
    restore_index(controls_.rows[row - 1].section, FieldName("MAT", row));
  }
  controls_.clipboard_carrier->setText(MacroPath());
}

void MainWindow::ShutDown() {
  if (shut_down_) return;
  shut_down_ = true;
  auto save_text = [this](const char* stem, int row, QLineEdit* box) {
    SaveField(core_folder_, ToBytes(FieldName(stem, row)),
              ToBytes(box->text()));
  };
  auto save_index = [this](const char* stem, int row, QComboBox* list) {
    SaveField(core_folder_, ToBytes(FieldName(stem, row)),
              list->currentIndex());
  };
  const auto& rows = controls_.rows;
  for (int row = 1; row <= kRowCount; ++row)
    save_text("H", row, rows[row - 1].h);
  for (int row = 1; row <= kRowCount; ++row)
    save_text("V", row, rows[row - 1].v1);
  for (int row = 1; row <= kRowCount; ++row)
    save_text("W", row, rows[row - 1].v2);
  for (int row = 1; row <= kRowCount; ++row)
    save_text("L", row, rows[row - 1].l);
  for (int row = 1; row <= kRowCount; ++row) {
    save_index("MAT", row, rows[row - 1].section);
  }
  for (int row = 1; row <= kRowCount; ++row) {
    save_index("OSL", row, rows[row - 1].leg);
  }
  for (int row = 1; row <= kRowCount; ++row) {
    save_index("Pair", row, rows[row - 1].pair);
  }
  SaveField(core_folder_, "BS", controls_.end->currentIndex());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  ShutDown();
  event->accept();
}

}  // namespace vpa
