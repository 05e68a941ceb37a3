#include "console/EditorDialog.h"

namespace console {

namespace {
// Guarded, so a dialog destroyed without the keypad window noticing is never reached.
QPointer<EditorDialog>& OpenEditorSlot() {
  static QPointer<EditorDialog> open;
  return open;
}
}  // namespace

EditorDialog::EditorDialog(QWidget* parent) : QDialog(parent) {}

EditorDialog::~EditorDialog() {
  if (OpenEditorSlot() == this) OpenEditorSlot() = nullptr;
}

void EditorDialog::closeRequest() { reject(); }

EditorDialog* EditorDialog::openEditor() { return OpenEditorSlot().data(); }

void EditorDialog::setOpenEditor(EditorDialog* editor) { OpenEditorSlot() = editor; }

void EditorDialog::showEvent(QShowEvent* event) {
  setOpenEditor(this);
  QDialog::showEvent(event);
}

}  // namespace console
