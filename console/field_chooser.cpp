// The field chooser: the available fields of a category and the ordered list of extra
// columns that every workbook gets.

#include "console/frm_main.h"
#include "console/task_field_catalogue.h"

namespace taskvane {

void frmMain::cmbField_Click() {
  lvwField.ClearItems();
  // Only an exact category name fills the list; anything else leaves it empty.
  const std::string& category = cmbField.Text;
  for (const TaskField& field : TaskFieldCatalogue()) {
    if (field.Category == category) {
      lvwField.Add(TaskFieldKey(field.Identifier), std::string(field.DisplayName));
    }
  }
}

void frmMain::cmdAddField_Click() {
  const int selected = lvwField.SelectedItem;
  if (lvwField.Count() == 0 || selected < 1 || selected > lvwField.Count()) return;
  const forms::ListItem item = lvwField.Item(selected);
  // A field stands under two categories with one key; it is chosen at most once.
  if (lvwListingFields.HasKey(item.Key)) return;
  lvwListingFields.Add(item.Key, item.Text);
}

void frmMain::cmdDeleteField_Click() {
  const int selected = lvwListingFields.SelectedItem;
  if (lvwListingFields.Count() == 0 || selected < 1 || selected > lvwListingFields.Count()) {
    return;
  }
  lvwListingFields.Remove(selected);
}

void frmMain::lvwField_DblClick() {
  if (lvwField.Count() > 0) cmdAddField_Click();
}

void frmMain::lvwListingFields_DblClick() {
  if (lvwListingFields.Count() > 0) cmdDeleteField_Click();
}

}  // namespace taskvane
