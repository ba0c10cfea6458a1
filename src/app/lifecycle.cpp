// Start-up and shut-down through the field store, in a fixed order: the
// short lists and their positions, the catalogue, the row texts, then the
// section positions (which refer to the filled catalogue). A field file
// that cannot be read is left as it is at close unless its control changed.
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

// The stored row fields, in the order they are saved: the texts, then the
// list positions. Each name is its stem and the row number.
struct TextField {
  const char* stem;
  QLineEdit* RowControls::*box;
};
constexpr TextField kTextFields[] = {{"H", &RowControls::h},
                                     {"V", &RowControls::v1},
                                     {"W", &RowControls::v2},
                                     {"L", &RowControls::l}};
struct IndexField {
  const char* stem;
  QComboBox* RowControls::*list;
};
constexpr IndexField kIndexFields[] = {{"MAT", &RowControls::section},
                                       {"OSL", &RowControls::leg},
                                       {"Pair", &RowControls::pair}};

}  // namespace

void MainWindow::StartUp() {
  auto restore_index = [this](QComboBox* list, const QString& name) {
    LoadedField field = LoadStoredField(core_folder_, ToBytes(name));
    list->setCurrentIndex(StoredIndex(field.text, list->count()));
    if (field.unreadable) {
      unreadable_.Note(ToBytes(name), std::to_string(list->currentIndex()));
    }
  };
  auto restore_text = [this](QLineEdit* box, const QString& name) {
    LoadedField field = LoadStoredField(core_folder_, ToBytes(name));
    box->setText(FromBytes(field.text));
    if (field.unreadable) unreadable_.Note(ToBytes(name), ToBytes(box->text()));
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
  for (const TextField& field : kTextFields) {
    for (int row = 1; row <= kRowCount; ++row) {
      restore_text(controls_.rows[row - 1].*field.box,
                   FieldName(field.stem, row));
    }
  }
  for (int row = 1; row <= kRowCount; ++row) {
    restore_index(controls_.rows[row - 1].section, FieldName("MAT", row));
  }
  controls_.clipboard_carrier->setText(MacroPath());
}

void MainWindow::ShutDown() {
  if (shut_down_) return;
  shut_down_ = true;
  SaveFields();
}

// Every field is attempted; the first failure is the one reported.
Status MainWindow::SaveFields() {
  Status first = Ok();
  auto save_text = [&](const QString& name, const QString& text) {
    std::string bytes = ToBytes(text);
    if (!unreadable_.MaySave(ToBytes(name), bytes)) return;
    Status saved = SaveField(core_folder_, ToBytes(name), bytes);
    if (first.ok() && !saved.ok()) first = saved;
  };
  auto save_index = [&](const QString& name, int index) {
    if (!unreadable_.MaySave(ToBytes(name), std::to_string(index))) return;
    Status saved = SaveField(core_folder_, ToBytes(name), index);
    if (first.ok() && !saved.ok()) first = saved;
  };
  const auto& rows = controls_.rows;
  for (const TextField& field : kTextFields) {
    for (int row = 1; row <= kRowCount; ++row) {
      save_text(FieldName(field.stem, row), (rows[row - 1].*field.box)->text());
    }
  }
  for (const IndexField& field : kIndexFields) {
    for (int row = 1; row <= kRowCount; ++row) {
      save_index(FieldName(field.stem, row),
                 (rows[row - 1].*field.list)->currentIndex());
    }
  }
  save_index("BS", controls_.end->currentIndex());
  return first;
}

// The detailer closed the window and is there to read why entries were not
// kept; at the end of a session no one is.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (shut_down_) return event->accept();
  shut_down_ = true;
  Status saved = SaveFields();
  if (!saved.ok()) {
    ShowError(kFormCaption, FromBytes(SaveFailureMessage(
                            core_folder_, Error{saved.error()})));
  }
  event->accept();
}

}  // namespace vpa
